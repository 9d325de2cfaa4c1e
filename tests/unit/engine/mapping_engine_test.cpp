#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/devices.h"
#include "common/key_text.h"
#include "common/rows.h"
#include "common/session.h"
#include "engine/compiled_mappings.h"
#include "engine/follow_controller.h"
#include "engine/mapping_engine.h"
#include "engine/test_mappings.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"

namespace velloran::testing {
namespace {

TEST(CompileMappings, MapsEachButtonToTheFirstRowOfItsOwnDeviceAndReadsItsSettings) {
    MappingRow spaced = row("PAD", 2);
    spaced.text = " 2";  // the text must be the number exactly
    MappingTable t = table({row("STICK", 1), row("pad", 1), row("PAD", 1), row("STICK", 2),
                            row("PAD", 3), row("OTHER", 2), spaced});
    const DetectedDevice devices[] = {{DeviceKind::Joystick, 2, "PAD", "Pad"},
                                      {DeviceKind::Joystick, 3, "STICK", "Stick"}};
    const int no = ButtonMap::kNoRow;
    std::vector<int> mapped;
    for (int d = 0; d < 2; ++d) {
        for (int b = 1; b <= 3; ++b) mapped.push_back(compileMappings(t, devices).map.row(d, b));
    }
    EXPECT_EQ(mapped, (std::vector<int>{1, no, no, 0, 3, no}));
    t.row(1).setFlag(col::Rotary, true);
    t.row(1).setFlag(col::CapsLock, true);
    EXPECT_EQ(compileMappings(t, devices).settings[1], (RowSettings{false, true, 1, 0, 1, 0}));
    // Only 2, 4 and 8 multiply.
    for (const auto& [tag, times] :
         {std::pair{Tag::text("8"), 8}, {Tag::number(3), 1}, {Tag::text("4X"), 1}}) {
        t.row(1).cell(col::Multiplier).tag = tag;
        EXPECT_EQ(compileMappings(t, devices).settings[1].multiplier, times) << tag.toText();
    }
}

struct RecordingView : EngineView {
    void setStatusPanel(int panel, std::string_view text) override {
        (panel == 1 ? panel1 : panel2) = std::string(text);
    }
    void setRowLook(int row, RowLook look) override { looks.emplace_back(row, look); }
    void clearFeedback() override {}
    void refreshTable() override {}
    std::string panel1, panel2;
    std::vector<std::pair<int, RowLook>> looks;
};

// Two pads with the same button numbers, each button typing a key of its own.
class Engine : public ::testing::Test {
protected:
    void start(EngineOptions options = {}) {
        MappingRow pressed = row("PAD-A", 1,
                                 {key("A"),
                                  kBlank,
                                  key("PRINT SCREEN"),
                                  key("C"),
                                  {"SHIFT + PRINT SCREEN", "PRINT SCREEN"}});
        pressed.cell(col::FirstRelease + 15) = Cell{"D", Tag::text("D")};
        rows = table({row("PAD-B", 1, {key("B")}), pressed, row("PAD-A", 4, {key("E")})});
        engine = std::make_unique<MappingEngine>(out, clock, view, options);
        engine->setDevices({{&backend, &backend}, {&padA, &padB}});
        engine->compile(rows);
    }
    // One pass, returning what it typed.
    std::string pass(std::vector<ButtonChange> a = {}, std::vector<ButtonChange> b = {}) {
        if (!a.empty()) padA.next(std::move(a));
        if (!b.empty()) padB.next(std::move(b));
        out.clearBatches();
        log.clear();
        engine->MyDXCallback();
        return keysText(out.batches());
    }

    // PAD-A's button 1: blank steps and keys without a scan code are skipped.
    const std::string a1 = "+1E | -1E | +2E | -2E | +2A | -2A";
    std::vector<std::string> log;
    FakeClock clock;
    RecordingOutput out{clock};
    RecordingView view;
    LoggingBackend backend{&log};
    ScriptedDevice padA{"PAD-A", 4, &log};
    ScriptedDevice padB{"PAD-B", 4, &log};
    MappingTable rows;
    std::unique_ptr<MappingEngine> engine;
};

TEST_F(Engine, PressMacroOnceReleaseMacroOnceEachDeviceWithItsOwnRows) {
    start();
    EXPECT_EQ(pass({down(1)}, {down(1)}), a1 + " | +30 | -30");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-A", "read PAD-B"}));
    EXPECT_EQ(view.panel1, "Input Devices: Pad PAD-B");
    EXPECT_EQ(view.panel2, "Button 1: Pressed");
    clock.advanceMs(2000);
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(pass({up(1)}, {up(1)}), "+20 | -20");
    using L = RowLook;
    EXPECT_EQ(view.looks, (std::vector<std::pair<int, L>>{
                              {1, L::Held}, {0, L::Held}, {1, L::Idle}, {0, L::Idle}}));
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(view.panel1, "Input Devices: Available");
    // Pulses within one pass: each change applies its own rule, in order.
    EXPECT_EQ(pass({down(1), up(1), down(4), up(4)}), a1 + " | +20 | -20 | +12 | -12");
    EXPECT_EQ(pass({down(4), up(4), down(4), up(4)}), "+12 | -12 | +12 | -12");
}

TEST_F(Engine, NotAcquiredEndsThePassReadFailureAndGoneDropTheDevice) {
    start();
    padA.nextStatus(ReadStatus::NotAcquired);
    view.panel1 = "kept";
    EXPECT_EQ(pass({}, {down(1)}), "");
    EXPECT_EQ(padA.acquires, 1);
    EXPECT_EQ(view.panel1, "kept");
    EXPECT_EQ(pass(), "+30 | -30");

    padA.nextStatus(ReadStatus::ReadFailure);
    pass();
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Device Read Failure!");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-B"}));
    // A press elsewhere replaces the failure, and idle passes report devices available again.
    pass({}, {up(1)});
    pass({}, {down(1)});
    pass({}, {up(1)});
    EXPECT_EQ(view.panel1, "Input Devices: Available");

    padB.nextStatus(ReadStatus::Gone);
    pass();
    pass();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin"}));
}

TEST_F(Engine, TestModeEndsADevicesButtonsAboveTheRowCount) {
    for (const auto& [stopAtRowCount, want] :
         {std::pair{true, "+30 | -30"}, {false, "+12 | -12 | +30 | -30"}}) {
        start({stopAtRowCount});
        EXPECT_EQ(pass({down(4)}, {down(1)}), want) << stopAtRowCount;
    }
}

// Rows: 1 of pad-a, 2 of PAD-B, 2 of pad-b (a later duplicate), 1 of pad-b.
TEST(FollowController, ThePressedButtonSelectsItsFirstRowIgnoringCase) {
    const FollowedButton noRow{-1, "Button 3 of Pad pad-a has no row in this configuration."};
    const struct {
        const char* name;
        std::vector<ButtonChange> a, b;  // what devices pad-a and pad-b report
        std::optional<FollowedButton> followed;
        int selected;
    } cases[] = {
        {"nothing pressed", {}, {up(2)}, std::nullopt, 3},
        {"first row of the button, case aside", {}, {down(2)}, FollowedButton{1, ""}, 1},
        {"the last press read wins", {down(1)}, {down(1), up(1)}, FollowedButton{3, ""}, 3},
        {"a button without a row", {down(3)}, {}, noRow, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDevice a("pad-a", 4), b("pad-b", 4);
        MappingTable t =
            table({row("pad-a", 1), row("PAD-B", 2), row("pad-b", 2), row("pad-b", 1)});
        t.selected = 3;
        const EngineDevices devices{{}, {&a, &b}};
        a.next({down(2)});  // pressed before following started: dropped
        startFollowing(devices);
        a.next(c.a);
        b.next(c.b);
        EXPECT_EQ(followPass(devices, t), c.followed);
        EXPECT_EQ(t.selected, c.selected);
    }
}

struct FakePriority : ProcessPriority {
    int get() override { return current; }
    int set(int priorityClass) override {
        sets.push_back(priorityClass);
        return current = priorityClass;
    }
    int current = priority::Normal;
    std::vector<int> sets;
};

// Test mode over the engine's pads and rows, open in the editor.
struct TestMode : Engine {
    TestMode() {
        start({true});
        *c.table = rows;
        session.devices.add(padA.info());
        session.devices.add(padB.info());
    }
    TestToggle toggle() { return Test_Mappings(session, *engine, services); }

    OpenConfiguration c;
    EditorSession& session = c.session;
    ScriptedBoxes& boxes = c.boxes;
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
    EXPECT_EQ(engine->timings(), (EngineTimings{0.5, 0.1, 0}));
    EXPECT_EQ(pass({}, {down(1)}), "+30 | -30");

    MappingTable& table = *session.currentTable();
    applyRowLook(table.row(0), RowLook::Held);
    priority.current = priority::Normal;  // lowered meanwhile: not set again
    EXPECT_EQ(toggle(), TestToggle::Stopped);
    EXPECT_FALSE(session.testing);
    for (const MappingRow& row : table.rows()) EXPECT_EQ(row.colour, colour::ActiveRow);
    priority.current = priority::High;  // already high at the start: not set again
    toggle();
    toggle();
    EXPECT_EQ(priority.sets, (std::vector<int>{priority::High, priority::Normal}));
}

}  // namespace
}  // namespace velloran::testing
