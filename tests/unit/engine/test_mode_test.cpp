#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/devices.h"
#include "common/key_text.h"
#include "common/rows.h"
#include "common/session.h"
#include "engine/quiet_engine_view.h"
#include "engine/test_mappings.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"

namespace velloran::testing {
namespace {

struct FakePriority : ProcessPriority {
    int get() override { return current; }
    int set(int priorityClass) override {
        sets.push_back(priorityClass);
        return current = priorityClass;
    }
    int current = priority::Normal;
    std::vector<int> sets;
};

// A pad of two buttons, the second one's row inactive.
struct TestMode : ::testing::Test {
    TestMode() {
        c.table->append(row("PAD", 1, {{"A", "A"}}));
        c.table->append(row("PAD", 2, {{"B", "B"}})).colour = colour::InactiveRow;
        session.devices.add(pad.info());
        engine.setDevices({{}, {&pad}});
    }
    TestToggle toggle() { return Test_Mappings(session, engine, services); }

    OpenConfiguration c;
    EditorSession& session = c.session;
    ScriptedBoxes& boxes = c.boxes;
    FakeClock clock;
    RecordingOutput out{clock};
    QuietEngineView view;
    ScriptedDevice pad{"PAD", 2};
    MappingEngine engine{out, clock, view, {true}};
    FakePriority priority;
    MemoryStore store;
    TestModeServices services{boxes, priority, store, true, ""};
};

TEST_F(TestMode, RefusedWithoutDevicesButtonsOrKeyOutput) {
    DeviceInventory buttonless;
    buttonless.add(DetectedDevice{DeviceKind::Hid, 0, "EMPTY", "Empty"});
    services.keyOutputReason = "/dev/uinput is missing";
    for (const auto& [devices, canSendKeys, title] :
         {std::tuple{DeviceInventory{}, true, "No Input Devices Found"},
          {buttonless, true, "No Input Devices Found"},
          {session.devices, false, "No Keyboard Output"}}) {
        session.devices = devices;
        services.canSendKeys = canSendKeys;
        EXPECT_EQ(toggle(), TestToggle::None) << title;
        EXPECT_EQ(boxes.looks().back(), ScriptedBoxes::look(Icon::Exclamation, title));
    }
    EXPECT_NE(boxes.shown[0].text, boxes.shown[1].text);
    // The reason the output is missing is the part of the text that helps.
    EXPECT_TRUE(boxes.shown[2].text.ends_with("/dev/uinput is missing"));
    EXPECT_FALSE(session.testing);
}

TEST_F(TestMode, StartWarnsCompilesAndRaisesPriorityStopPutsEveryRowBackToIdle) {
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "100");
    std::string shownWhileCompiling;
    services.showStatusNow = [&] { shownWhileCompiling = session.statusPanel1; };
    EXPECT_EQ(toggle(), TestToggle::Started);
    EXPECT_EQ(shownWhileCompiling, "Compiling Key Mappings...");
    EXPECT_EQ(boxes.looks(), std::vector{ScriptedBoxes::look(Icon::Information, "Test Warning")});
    EXPECT_EQ(engine.timings(), (EngineTimings{0.5, 0.1, 0}));
    pad.next({{2, true}});
    engine.MyDXCallback();
    EXPECT_EQ(keysText(out.batches()), "+30 | -30");

    MappingTable& table = *session.currentTable();
    applyRowLook(table.row(0), RowLook::Held);
    priority.current = priority::Normal;
    priority.sets.clear();

    EXPECT_EQ(toggle(), TestToggle::Stopped);
    EXPECT_FALSE(session.testing);
    EXPECT_TRUE(priority.sets.empty()) << "already normal";
    for (const MappingRow& row : table.rows()) EXPECT_EQ(row.colour, colour::ActiveRow);
    priority.current = priority::High;
    toggle();
    toggle();
    EXPECT_EQ(priority.sets, std::vector<int>{priority::Normal}) << "already high at the start";
}

}  // namespace
}  // namespace velloran::testing
