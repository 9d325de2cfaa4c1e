#include <gtest/gtest.h>

#include "common/boxes.h"

#include <vector>

#include "table/table_dictionary.h"
#include "engine_fakes.h"
#include "engine/test_mappings.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"

namespace velloran {
namespace {

using testing::FakeClock;
using testing::ScriptedDevice;
using testing::row;
using testing::RecordingView;

class FakePriority : public ProcessPriority {
public:
    int get() override { return current; }
    int set(int priorityClass) override {
        sets.push_back(priorityClass);
        return current = priorityClass;
    }
    int current = priority::Normal;
    std::vector<int> sets;
};

class TestMode : public ::testing::Test {
protected:
    void SetUp() override {
        session.tables.registerTemplate(TableDictionary::kTemplateKey);
        MappingTable& table = session.tables.getOrCreate("file1");
        table.append(row("PAD", 1, {{"A", "A"}}));
        table.append(row("PAD", 2, {{"B", "B"}}));
        table.row(1).colour = colour::InactiveRow;
        session.tabs.dropPlaceholder();
        session.tabs.insertFront(Tab{"file1", "one"});
        session.show("file1");
        session.currentKey = "file1";
        session.devices.add(pad.info());
        engine.setDevices({{}, {&pad}});
        session.statusPanel1 = "Input Devices: Available";
    }
    TestToggle toggle() { return Test_Mappings(session, engine, services); }

    EditorSession session;
    FakeClock clock;
    RecordingOutput out{clock};
    RecordingView view;
    ScriptedDevice pad{"PAD", 2};
    MappingEngine engine{out, clock, view, {true}};
    testing::ScriptedBoxes boxes;
    FakePriority priority;
    MemoryStore store;
    TestModeServices services{boxes, priority, store, true, ""};
};

TEST_F(TestMode, RefusedWithoutDevicesButtonsOrKeyOutput) {
    const std::string noDevices =
        "No valid input devices were found!\r\n\r\nYour input devices must be properly "
        "connected\r\nand working before proceeding.";
    const std::string noButtons =
        "No buttons found on input device(s)!\r\n\r\nYour devices must have at least one "
        "button\r\nbefore proceeding.";
    struct Case {
        DeviceInventory devices;
        bool canSendKeys;
        Message want;
    };
    DeviceInventory buttonless;
    buttonless.add(DetectedDevice{DeviceKind::Hid, 0, "EMPTY", "Empty"});
    const Case cases[] = {
        {DeviceInventory{}, true, {Icon::Exclamation, "No Input Devices Found", noDevices}},
        {buttonless, true, {Icon::Exclamation, "No Input Devices Found", noButtons}},
        {session.devices,
         false,
         {Icon::Exclamation, "No Keyboard Output",
          "No keyboard output is available!\r\n\r\nKeystrokes cannot be sent to other "
          "programs,\r\nso the test cannot run.\r\n\r\n/dev/uinput is missing"}},
    };
    for (const Case& c : cases) {
        session.devices = c.devices;
        services.canSendKeys = c.canSendKeys;
        services.keyOutputReason = "/dev/uinput is missing";
        boxes.shown.clear();
        EXPECT_EQ(toggle(), TestToggle::None) << c.want.text;
        EXPECT_EQ(boxes.shown, std::vector<Message>{c.want});
        EXPECT_FALSE(session.testing);
        EXPECT_TRUE(priority.sets.empty());
    }
}

TEST_F(TestMode, NothingWithoutAnOpenConfiguration) {
    session.tabs.resetToPlaceholder();
    EXPECT_EQ(toggle(), TestToggle::None);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TestMode, StartWarnsCompilesRaisesPriorityAndReadsTheTimings) {
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "100");
    std::string shownWhileCompiling;
    services.showStatusNow = [&] { shownWhileCompiling = session.statusPanel1; };
    EXPECT_EQ(toggle(), TestToggle::Started);
    EXPECT_EQ(shownWhileCompiling, "Compiling Key Mappings...");

    const std::string warning =
        "This function is intended for testing purposes only.\r\n\r\nIf you wish to run this "
        "configuration file, please use\r\nRunvale for optimal performance by clicking\r\non "
        "the candy stipped icon.\r\n\r\nRemember to save your work before proceeding.";
    EXPECT_EQ(boxes.shown, (std::vector<Message>{{Icon::Information, "Test Warning", warning}}));
    EXPECT_TRUE(session.testing);
    EXPECT_EQ(session.statusPanel1, "Input Devices: Available");
    EXPECT_EQ(priority.sets, std::vector<int>{priority::High});
    EXPECT_EQ(engine.timings(), (EngineTimings{0.5, 0.1, 0}));
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "500");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kKeyHold), "0");
    EXPECT_EQ(engine.mappings().map.row(0, 2), 1);

    pad.next({{2, true}});
    engine.MyDXCallback();
    EXPECT_EQ(testing::keysText(out.batches()), "+30 | -30");
}

TEST_F(TestMode, StopLowersPriorityAndPutsEveryRowBackToIdle) {
    priority.current = priority::High;
    ASSERT_EQ(toggle(), TestToggle::Started);
    EXPECT_TRUE(priority.sets.empty());  // already high
    MappingTable& table = *session.currentTable();
    applyRowLook(table.row(0), RowLook::Held);

    EXPECT_EQ(toggle(), TestToggle::Stopped);
    EXPECT_FALSE(session.testing);
    EXPECT_EQ(session.statusPanel1, " ");
    EXPECT_EQ(priority.sets, std::vector<int>{priority::Normal});
    for (const MappingRow& row : table.rows()) {
        EXPECT_EQ(row.colour, colour::ActiveRow);
        EXPECT_EQ(row.icon, 1);
    }

    priority.sets.clear();
    ASSERT_EQ(toggle(), TestToggle::Started);
    priority.current = priority::Normal;
    toggle();
    EXPECT_EQ(priority.sets, std::vector<int>{priority::High});  // normal already at the stop
}

}  // namespace
}  // namespace velloran
