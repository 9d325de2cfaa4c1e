// Times the editor's window with large configurations: opening a 4,096-row configuration until
// it is on the screen (target 300 ms), and resizing the window with five of them open (target
// 16 ms per resize: the resize event, the layout and the repaint). Run by hand; see README.md.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "file_format/configuration_file.h"
#include "table/default_rows.h"
#include "fs/posix_file_system.h"
#include "settings/memory_store.h"
#include "shell/main_window.h"

namespace {

using namespace velloran;

constexpr int kDevices = 8;
constexpr int kButtons = 512;
constexpr int kOpenRuns = 11;
constexpr int kResizes = 60;

DeviceInventory benchDevices() {
    DeviceInventory devices;
    for (int d = 1; d <= kDevices; ++d) {
        devices.add(DetectedDevice{DeviceKind::Hid, kButtons, "BENCH-" + std::to_string(d),
                                   "Bench Board " + std::to_string(d)});
    }
    return devices;
}

// One row per button of every device, with a description and every step filled.
std::string benchFile(const DeviceInventory& devices) {
    std::vector<MappingRow> rows;
    for (const ButtonEntry& b : devices.buttons) {
        MappingRow row = defaultRow(b, colour::ActiveRow);
        row.cell(col::Description).text = "Button " + std::to_string(b.number);
        for (int c = col::FirstPress; c <= col::LastStep; ++c) {
            row.cell(c) = Cell{"SHIFT + CTRL + A", Tag::text("A")};
        }
        rows.push_back(std::move(row));
    }
    return serializeConfiguration(rows);
}

class SilentBoxes final : public MessageBoxes {
public:
    void message(Icon, const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "message: %s: %s\n", title.c_str(), text.c_str());
    }
    Answer ask(Icon, const std::string&, const std::string&, Buttons) override {
        return Answer::No;
    }
};

class AnsweredDialogs final : public FileDialogs {
public:
    std::string next;
    std::optional<std::string> openFile(const FileDialogRequest&) override { return next; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return next; }
};

class NoLauncher final : public Launcher {
public:
    bool startDetached(const std::string&, const std::vector<std::string>&,
                       const std::string&) override {
        return false;
    }
    bool runnerPlays(const std::string&) override { return false; }
};

class NoTrash final : public Trash {
public:
    std::optional<RuntimeError> moveToTrash(const std::string&) override {
        return runtimeError(err::PermissionDenied);
    }
    std::optional<RuntimeError> deletePermanently(const std::string&) override {
        return runtimeError(err::PermissionDenied);
    }
};

struct Figures {
    double median = 0;
    double p95 = 0;
    double max = 0;
};

Figures figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[(ms.size() * 95) / 100], ms.back()};
}

// Lets the posted work of a command run (column fitting, layout), then paints the whole window.
void showOnScreen(MainWindow& window) {
    QCoreApplication::processEvents();
    window.repaint();
}

double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const DeviceInventory devices = benchDevices();
    const std::string bytes = benchFile(devices);
    std::vector<std::string> files;
    for (const char* name : {"a.vlz", "b.vlz", "c.vlz", "d.vlz", "e.vlz"}) {
        files.push_back(dir.filePath(QString::fromLatin1(name)).toStdString());
        std::ofstream(files.back(), std::ios::binary) << bytes;
    }

    SilentBoxes boxes;
    AnsweredDialogs dialogs;
    MemoryStore store;
    PosixFileSystem fs;
    NoLauncher launcher;
    NoTrash trash;
    const std::string root = dir.path().toStdString();
    MainWindow window(DocumentServices{boxes, dialogs, store, fs, fs, launcher, trash,
                                       SessionPaths{root + "/", root + "/", root + "/"}});
    window.setDeviceDetection([&devices] { return devices; });
    window.Form_Load({});
    window.show();
    showOnScreen(window);
    std::printf("platform %s, %d rows of %d devices, file of %zu bytes\n",
                qPrintable(QGuiApplication::platformName()), devices.totalButtons(), kDevices,
                bytes.size());

    // Load the first file, then close it and open it again: each Open reads the file anew.
    QElapsedTimer timer;
    dialogs.next = files[0];
    timer.start();
    window.commands().trigger(Command::Load);
    showOnScreen(window);
    const double load = elapsedMs(timer);
    std::vector<double> opens;
    for (int i = 0; i < kOpenRuns; ++i) {
        window.commands().trigger(Command::Close);
        showOnScreen(window);
        timer.restart();
        window.commands().trigger(Command::Open);
        showOnScreen(window);
        opens.push_back(elapsedMs(timer));
    }
    const Figures open = figures(opens);
    std::printf("open until shown: load %.1f ms; open median %.1f ms, max %.1f ms (target 300)\n",
                load, open.median, open.max);

    for (std::size_t i = 1; i < files.size(); ++i) {
        dialogs.next = files[i];
        window.commands().trigger(Command::Load);
    }
    showOnScreen(window);
    const QSize base = window.size();
    std::vector<double> resizes;
    for (int i = 0; i < kResizes; ++i) {
        const QSize target = base + QSize((i % 10) * 24, (i % 7) * 16);
        timer.restart();
        window.resize(target);
        while (window.size() != target) QCoreApplication::processEvents();
        showOnScreen(window);
        resizes.push_back(elapsedMs(timer));
    }
    const Figures resize = figures(resizes);
    std::printf(
        "resize with %d configurations open: median %.2f ms, p95 %.2f ms, max %.2f ms "
        "(target 16)\n",
        window.session().tabs.size(), resize.median, resize.p95, resize.max);
    return 0;
}
