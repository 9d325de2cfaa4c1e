// The editor's test mode: the latency from a button change of an SDL virtual pad to the first key
// batch at the output, while the real main window runs its 10 ms Timer1 on the Qt event loop and
// draws every held row (offscreen). The button changes at random moments from another thread, as
// a hand on a controller would. Target: p99 within one pass interval plus 1 ms (11 ms).
//
//   editor_test_latency_bench [SAMPLES]   (default 1000)
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "base/steady_clock.h"
#include "timed_output.h"
#include "file_format/configuration_file.h"
#include "table/default_rows.h"
#include "devices/editor_devices.h"
#include "fs/posix_file_system.h"
#include "live_test/live_input.h"
#include "process/nice_process_priority.h"
#include "sdl/virtual_joystick.h"
#include "settings/memory_store.h"
#include "shell/main_window.h"

namespace {

using namespace velloran;

class SilentBoxes final : public MessageBoxes {
public:
    void message(Icon, const std::string& title, const std::string&) override {
        if (title != "Test Warning") std::fprintf(stderr, "message: %s\n", title.c_str());
    }
    Answer ask(Icon, const std::string&, const std::string&, Buttons) override {
        return Answer::No;
    }
};

class NoDialogs final : public FileDialogs {
public:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return {}; }
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

// Forwards to the timed output, which outlives every test.
class Forward final : public KeyOutput {
public:
    explicit Forward(KeyOutput& target) : target_(target) {}
    bool send(std::span<const KeyRecord> batch) override { return target_.send(batch); }
    int keyState(std::uint16_t key) override { return target_.keyState(key); }

private:
    KeyOutput& target_;
};

// Button 1 of the pad sends A on press and B on release.
std::string configuration(const DeviceInventory& devices) {
    const ButtonEntry& button1 = devices.buttons.at(0);
    MappingRow row = defaultRow(button1, colour::ActiveRow);
    row.cell(col::FirstPress) = Cell{"A", Tag::text("A")};
    row.cell(col::FirstRelease) = Cell{"B", Tag::text("B")};
    return serializeConfiguration({row});
}

}  // namespace

int main(int argc, char* argv[]) {
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    // The window stays off the screen and its file association in this folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("VELLORAN_HIDLINK", "/nonexistent");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("xdg")).toUtf8());
    QApplication app(argc, argv);

    auto pads = attachVirtualJoysticks({{"Bench Pad", 4}});
    if (!pads) {
        std::fprintf(stderr, "cannot attach the virtual pad: %s\n",
                     pads.error().description.c_str());
        return 1;
    }
    EditorDevices devices = EditorDevices::openSystem();
    const std::string file = dir.filePath(QStringLiteral("bench.vlz")).toStdString();
    std::ofstream(file, std::ios::binary) << configuration(devices.detect());

    SilentBoxes boxes;
    NoDialogs dialogs;
    MemoryStore store;
    PosixFileSystem fs;
    NoLauncher launcher;
    NoTrash trash;
    const std::string root = dir.path().toStdString();
    MainWindow window(DocumentServices{boxes, dialogs, store, fs, fs, launcher, trash,
                                       SessionPaths{root + "/", root + "/", root + "/"}});
    window.setDeviceDetection([&devices] { return devices.detect(); });
    TimedOutput output;
    NiceProcessPriority priority;
    SteadyClock clock;
    const KeyOutputFactory timed = [&output] {
        return OpenedKeyOutput{std::make_unique<Forward>(output), {}};
    };
    LiveInput live(window, LiveInputParts{.devices = devices,
                                          .openOutput = timed,
                                          .priority = priority,
                                          .clock = clock,
                                          .testOutputMirror = {}});
    window.Form_Load(file);
    window.show();
    window.commands().trigger(Command::Test);
    if (!window.session().testing) {
        std::fprintf(stderr, "the test did not start\n");
        return 1;
    }

    std::vector<double> ms;
    std::thread hand([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the first passes
        std::mt19937 random(7);
        std::uniform_real_distribution<double> gap(0.0, 17.0);
        for (int i = 0; i < samples; ++i) {
            std::this_thread::sleep_for(
                std::chrono::microseconds(static_cast<long>(gap(random) * 1000)));
            output.arm();
            const double changed = clock.now();
            pads.value()[0].setButton(1, i % 2 == 0);
            const double sent = output.waitSent();
            if (sent >= 0) ms.push_back((sent - changed) * 1000);
        }
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QApplication::exec();
    hand.join();
    window.commands().trigger(Command::Test);

    if (ms.empty()) {
        std::fprintf(stderr, "no batch was sent\n");
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1,
                           static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    };
    std::printf(
        "editor test mode (%s), Timer1 %d ms, %zu of %d changes sent: p50 %.3f ms, p99 %.3f ms, "
        "max %.3f ms (target p99 <= %d ms)\n",
        qPrintable(QGuiApplication::platformName()), TestMode::kPassIntervalMs, ms.size(), samples,
        at(0.5), at(0.99), ms.back(), TestMode::kPassIntervalMs + 1);
    return ms.size() == static_cast<std::size_t>(samples) ? 0 : 1;
}
