#include <gtest/gtest.h>

#include "common/boxes.h"

#include <vector>

#include "engine/test_mappings.h"
#include "engine_fakes.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"
#include "table/table_dictionary.h"

namespace velloran {
namespace {

using testing::FakeClock;
using testing::RecordingView;
using testing::row;
using testing::ScriptedDevice;

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
    using testing::ScriptedBoxes;
    DeviceInventory buttonless;
    buttonless.add(DetectedDevice{DeviceKind::Hid, 0, "EMPTY", "Empty"});
    for (const auto& [devices, canSendKeys, title] :
         {std::tuple{DeviceInventory{}, true, "No Input Devices Found"},
          std::tuple{buttonless, true, "No Input Devices Found"},
          std::tuple{session.devices, false, "No Keyboard Output"}}) {
        session.devices = devices;
        services.canSendKeys = canSendKeys;
        services.keyOutputReason = "/dev/uinput is missing";
        boxes.shown.clear();
        EXPECT_EQ(toggle(), TestToggle::None) << title;
        EXPECT_EQ(boxes.looks(), std::vector{ScriptedBoxes::look(Icon::Exclamation, title)});
        EXPECT_FALSE(session.testing);
    }
    // The reason the output is missing is the part of the text that helps.
    EXPECT_TRUE(boxes.shown[0].text.ends_with("\r\n\r\n/dev/uinput is missing"));
}

TEST_F(TestMode, StartWarnsCompilesRaisesPriorityAndReadsTheTimings) {
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "100");
    EXPECT_EQ(toggle(), TestToggle::Started);

    EXPECT_EQ(boxes.looks(),
              std::vector{testing::ScriptedBoxes::look(Icon::Information, "Test Warning")});
    EXPECT_EQ(priority.sets, std::vector<int>{priority::High});
    EXPECT_EQ(engine.timings(), (EngineTimings{0.5, 0.1, 0}));

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
    EXPECT_EQ(priority.sets, std::vector<int>{priority::Normal});
    for (const MappingRow& row : table.rows()) EXPECT_EQ(row.colour, colour::ActiveRow);

    priority.sets.clear();
    ASSERT_EQ(toggle(), TestToggle::Started);
    priority.current = priority::Normal;
    toggle();
    EXPECT_EQ(priority.sets, std::vector<int>{priority::High});  // normal already at the stop
}

}  // namespace
}  // namespace velloran
