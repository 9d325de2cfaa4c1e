#pragma once
// The real main window over a temporary settings file (VELLORAN_SETTINGS), data folder and
// XDG data folder, with scripted dialogs and input devices chosen by the test.
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "common/boxes.h"
#include "common/desktop.h"
#include "common/dialogs.h"
#include "fs/posix_file_system.h"
#include "shell/main_window.h"
#include "store/ini_settings_store.h"

namespace velloran::testing {

// A pad with `buttons` buttons.
inline DeviceInventory padInventory(int buttons = 2) {
    DeviceInventory inventory;
    inventory.add(DetectedDevice{DeviceKind::Joystick, buttons, "PAD-1", "Pad"});
    return inventory;
}

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
    QWidget* viewport = w.controls().listView3->viewport();
    QTest::mousePress(viewport, button, {}, cellCentre(w, row, column));
    QTest::mouseRelease(viewport, button, {}, cellCentre(w, row, column));
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
    std::string configFolder() const { return paths().defaultConfigFolder(); }
    std::string settingsFile() const { return IniSettingsStore::defaultFilePath(); }

    // Builds the window and loads it as the program does.
    MainWindow& start(DeviceInventory devices = padInventory(), std::string_view commandLine = {}) {
        window = std::make_unique<MainWindow>(
            DocumentServices{boxes, dialogs, *store, files, files, launcher, trash, paths()});
        window->setDeviceDetection([devices] { return devices; });
        window->Form_Load(commandLine);
        return *window;
    }

    template <class T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QAction* action(const char* name) const {
        return window->menus().toolbar->findChild<QAction*>(QString::fromLatin1(name));
    }
};

}  // namespace velloran::testing
