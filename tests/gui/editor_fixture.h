#pragma once
// The real main window over a temporary settings file (VELLORAN_SETTINGS), data folder and
// XDG data folder, with scripted dialogs and input devices chosen by the test.
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

#include "common/boxes.h"
#include "common/desktop.h"
#include "common/dialogs.h"
#include "file_format/configuration_file.h"
#include "fs/posix_file_system.h"
#include "shell/main_window.h"
#include "store/ini_settings_store.h"
#include "table/default_rows.h"

namespace velloran::testing {

inline DeviceInventory inventoryOf(std::initializer_list<DetectedDevice> devices) {
    DeviceInventory inventory;
    for (const DetectedDevice& d : devices) inventory.add(d);
    return inventory;
}

inline const DetectedDevice kPad{DeviceKind::Joystick, 4, "PAD-1", "Pad"};

// One row of a configuration file written by a test.
struct FileRow {
    int button;
    const char* description;
    const DetectedDevice* device = &kPad;
};

// The text shown in a cell of the window's table.
inline QString cell(const MainWindow& w, int row, int column) {
    return w.controls().listView3->model()->index(row, column).data().toString();
}

inline QPoint cellCentre(const MainWindow& w, int row, int column) {
    const MappingTableView& view = *w.controls().listView3;
    return view.visualRect(view.model()->index(row, column)).center();
}

// A press and release on a cell, as the window system delivers a click.
inline void clickCell(const MainWindow& w, int row, int column,
                      Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.controls().listView3->viewport(), button, {}, cellCentre(w, row, column));
}

inline QAbstractButton* commandButton(const MainWindow& w, const char* name) {
    return w.controls().commands->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

class Editor {
public:
    ScriptedBoxes boxes;
    ScriptedDialogs dialogs;
    FakeLauncher launcher;
    FakeTrash trash;
    PosixFileSystem files;
    QTemporaryDir dir;
    std::unique_ptr<IniSettingsStore> store;
    std::unique_ptr<MainWindow> window;

    Editor() {
        qputenv("VELLORAN_SETTINGS", dir.filePath(QStringLiteral("settings.ini")).toUtf8());
        // Form_Load installs the file-type association: never into the user's own data folder.
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("xdg")).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("system")).toUtf8());
        store = std::make_unique<IniSettingsStore>(IniSettingsStore::defaultFilePath());
    }

    SessionPaths paths() const {
        const std::string root = dir.path().toStdString();
        return {root + "/data/", root + "/share/", root + "/bin/"};
    }
    std::string temp(const char* name) const {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }
    // Writes a configuration file of these rows into the test's folder; its path.
    std::string write(const char* name, const std::vector<FileRow>& rows) const {
        std::vector<MappingRow> table;
        for (const FileRow& r : rows) {
            const ButtonEntry button{r.button, r.device->displayName, r.device->identity};
            table.push_back(defaultRow(button, colour::ActiveRow));
            table.back().cell(col::Description).text = r.description;
        }
        std::ofstream(temp(name), std::ios::binary) << serializeConfiguration(table);
        return temp(name);
    }

    // Builds the window, loads it as the program does and shows it active.
    MainWindow& shown(DeviceInventory devices = inventoryOf({kPad}),
                      std::string_view commandLine = {}) {
        window = std::make_unique<MainWindow>(
            DocumentServices{boxes, dialogs, *store, files, files, launcher, trash, paths()});
        window->setDeviceDetection([devices] { return devices; });
        window->Form_Load(commandLine);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
        return *window;
    }

    QAction* action(const char* name) const {
        return window->menus().toolbar->findChild<QAction*>(QString::fromLatin1(name));
    }
};

}  // namespace velloran::testing
