#pragma once
// The real main window with its live input as the program builds it (devices, record mode, test
// mode), where the keystrokes go to a recording output that the test reads, the process priority
// is a fake and the keyboard grab is the test's to grant.
#include <cerrno>
#include <memory>
#include <vector>

#include "base/steady_clock.h"
#include "devices/editor_devices.h"
#include "editor_fixture.h"
#include "keys/recording_output.h"
#include "live_test/live_input.h"

namespace velloran::testing {

// Sends into a RecordingOutput that outlives it, and counts how many are open.
class SharedOutput final : public KeyOutput {
public:
    SharedOutput(RecordingOutput& target, int& open) : target_(target), open_(open) { ++open_; }
    ~SharedOutput() override { --open_; }
    bool send(std::span<const KeyRecord> batch) override { return target_.send(batch); }
    int keyState(std::uint16_t virtualKey) override { return target_.keyState(virtualKey); }

private:
    RecordingOutput& target_;
    int& open_;
};

class FakePriority final : public ProcessPriority {
public:
    int now = priority::Normal;
    std::vector<int> asked;  // every class set, in order

    int get() override { return now; }
    int set(int priorityClass) override {
        asked.push_back(priorityClass);
        return now = priorityClass;
    }
};

class LiveEditor {
public:
    SteadyClock clock;
    RecordingOutput keys{clock};
    int openOutputs = 0;    // key outputs open now
    int outputsOpened = 0;  // key outputs opened so far
    bool outputAvailable = true;
    bool grantGrab = true;
    FakePriority priority;
    std::unique_ptr<EditorDevices> devices;
    Editor editor;
    std::unique_ptr<LiveInput> live;

    // Builds the window over `devices` (the system's back ends when null) and loads it.
    MainWindow& start(std::unique_ptr<EditorDevices> detected, std::string_view commandLine = {},
                      QString testOutputMirror = {}) {
        devices = std::move(detected);
        editor.window = std::make_unique<MainWindow>(
            DocumentServices{editor.boxes, editor.dialogs, *editor.store, editor.files,
                             editor.files, editor.launcher, editor.trash, editor.paths()});
        MainWindow& w = *editor.window;
        w.setDeviceDetection([this] { return devices->detect(); });
        live = std::make_unique<LiveInput>(
            w, LiveInputParts{*devices, [this] { return openOutput(); }, priority, clock,
                              [this](QWidget&, bool) { return grantGrab ? 0 : EBUSY; },
                              testOutputMirror});
        w.Form_Load(commandLine);
        return w;
    }

    ~LiveEditor() {
        live.reset();
        editor.window.reset();
    }

    MainWindow& window() { return *editor.window; }
    std::vector<Message>& shown() { return editor.boxes.shown; }

private:
    OpenedKeyOutput openOutput() {
        if (!outputAvailable) {
            return {nullptr, OutputChoice{OutputKind::None, "", "No X display could be opened."},
                    ""};
        }
        ++outputsOpened;
        return {std::make_unique<SharedOutput>(keys, openOutputs),
                OutputChoice{OutputKind::XTest, "XTest", ""}, ""};
    }
};

// Device back ends that find nothing: for tests that bring no devices.
inline std::unique_ptr<EditorDevices> noDevices() {
    return std::make_unique<EditorDevices>(std::vector<std::unique_ptr<DeviceBackend>>{});
}

}  // namespace velloran::testing
