#pragma once
// What the main window does with the live keyboard and the devices: record mode
// (Command::Record) with the keyboard guard and the row's lock keys, and the test mode
// (Command::Test). Built after the window and dropped before it.
#include "editing/keyboard_guard.h"
#include "live_test/controller_follow.h"
#include "editing/recording_lock_keys.h"
#include "editing/window_keyboard_grab.h"
#include "live_test/test_mode.h"
#include "editing/window_key_decoder.h"

namespace velloran {

class MainWindow;

struct LiveInputParts {
    EditorDevices& devices;
    KeyOutputFactory openOutput = systemKeyOutput();
    ProcessPriority& priority;
    Clock& clock;
    KeyboardGuard::Grab grabKeyboard = windowKeyboardGrab();
    QString testOutputMirror;  // see FormTest
};

class LiveInput {
public:
    LiveInput(MainWindow& window, LiveInputParts parts);
    ~LiveInput();
    LiveInput(const LiveInput&) = delete;
    LiveInput& operator=(const LiveInput&) = delete;

    TestMode& testMode() { return test_; }
    ControllerFollow& controllerFollow() { return follow_; }
    KeyboardGuard& keyboardGuard() { return guard_; }
    WindowKeyDecoder& decoder() { return decoder_; }

    // Rec_Mappings.
    void record();

private:
    MainWindow& window_;
    WindowKeyDecoder decoder_;
    KeyboardGuard guard_;
    RecordingLockKeys lockKeys_;
    TestMode test_;
    ControllerFollow follow_;
};

}  // namespace velloran
