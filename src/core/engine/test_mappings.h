#pragma once
// Test_Mappings: the editor's test mode on and off. Starting checks that there is something to
// read and a way to type, warns, compiles the current table and raises the process priority;
// stopping lowers it again and puts every row back to its idle look.
#include <functional>
#include <string>
#include <string_view>

#include "base/message_box.h"
#include "base/process_priority.h"
#include "session/editor_session.h"
#include "engine/mapping_engine.h"
#include "settings/settings_store.h"

namespace velloran {

struct TestModeServices {
    MessageBoxes& boxes;
    ProcessPriority& priority;
    SettingsStore& store;
    // Whether a key output back end could be opened; without one a test would type nothing.
    bool canSendKeys = false;
    // Why it could not, for the message ("" when unknown).
    std::string keyOutputReason;
    // Puts the session's status panels on screen at once: compiling holds the event loop, and
    // what it says must show meanwhile.
    std::function<void()> showStatusNow = [] {};
};

// What the window does next.
enum class TestToggle {
    None,     // no configuration open, or the test could not start (a message said why)
    Started,  // show "test_on" on ComTest, focus the table, show the test output window,
              // start Timer1 (10 ms) running engine.MyDXCallback(), refresh the command states
    Stopped,  // stop Timer1, unload the test output window, show "test_off", refresh the
              // command states
};

// Starts the test when session.testing is false, otherwise stops it. The engine must hold the
// devices of session.devices, in the same order.
TestToggle Test_Mappings(EditorSession& session, MappingEngine& engine,
                         const TestModeServices& services);

// Message texts of the test mode.
Message noDevicesMessage();
Message noButtonsMessage();
// The reason, when there is one, follows after an empty line.
Message noKeyOutputMessage(std::string_view reason);
Message testWarningMessage();

}  // namespace velloran
