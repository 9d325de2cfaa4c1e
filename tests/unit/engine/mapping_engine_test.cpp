#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/devices.h"
#include "common/key_text.h"
#include "common/rows.h"
#include "common/session.h"
#include "engine/compiled_mappings.h"
#include "engine/follow_controller.h"
#include "engine/mapping_engine.h"
#include "engine/quiet_engine_view.h"
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
    const CompiledMappings compiled = compileMappings(t, devices);
    std::vector<int> mapped;
    for (int d = 0; d < 2; ++d) {
        for (int b = 1; b <= 3; ++b) mapped.push_back(compiled.map.row(d, b));
    }
    EXPECT_EQ(mapped, (std::vector<int>{1, no, no, 0, 3, no}));
    t.row(1).setFlag(col::Rotary, true);
    t.row(1).setFlag(col::CapsLock, true);
    t.row(1).cell(col::Multiplier).tag = Tag::text("8");
    EXPECT_EQ(compileMappings(t, devices).settings[1], (RowSettings{false, true, 8, 0, 1, 0}));
    t.row(1).cell(col::Multiplier).tag = Tag::number(3);  // only 2, 4 and 8 multiply
    EXPECT_EQ(compileMappings(t, devices).settings[1].multiplier, 1);
}

// Two pads with the same button numbers, each button typing a key of its own.
class Engine : public ::testing::Test {
protected:
    void start(EngineOptions options = {}) {
        const Step shiftPrint{"SHIFT + PRINT SCREEN", "PRINT SCREEN"};
        MappingRow pressed =
            row("PAD-A", 1, {key("A"), kBlank, key("PRINT SCREEN"), key("C"), shiftPrint});
        pressed.cell(col::FirstRelease + 15) = Cell{"D", Tag::text("D")};
        rows = table({row("PAD-B", 1, {key("B")}), pressed, row("PAD-A", 4, {key("E")})});
        engine = std::make_unique<MappingEngine>(out, clock, view, options);
        engine->setDevices({{&backend}, {&padA, &padB}});
        engine->compile(rows);
    }
    // One pass, returning what it typed.
    std::string pass(std::vector<ButtonChange> a = {}, std::vector<ButtonChange> b = {}) {
        if (!a.empty()) padA.next(std::move(a));
        if (!b.empty()) padB.next(std::move(b));
        out.clearBatches();
        engine->MyDXCallback();
        return keysText(out.batches());
    }

    // PAD-A's button 1: blank steps and keys without a scan code are skipped.
    const std::string a1 = "+1E | -1E | +2E | -2E | +2A | -2A";
    FakeClock clock;
    RecordingOutput out{clock};
    QuietEngineView view;
    std::vector<std::string> log;  // every pass begins with the back end
    LoggingBackend backend{&log};
    ScriptedDevice padA{"PAD-A", 4};
    ScriptedDevice padB{"PAD-B", 4};
    MappingTable rows;
    std::unique_ptr<MappingEngine> engine;
};

TEST_F(Engine, PressAndReleaseMacrosOnceEachDeviceWithItsOwnRowsUntilItFails) {
    start();
    EXPECT_EQ(pass({down(1)}, {down(1)}), a1 + " | +30 | -30");
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(pass({up(1)}, {up(1)}), "+20 | -20");
    // Pulses within one pass: each change applies its own rule, in order.
    EXPECT_EQ(pass({down(1), up(1), down(4), up(4)}), a1 + " | +20 | -20 | +12 | -12");
    EXPECT_EQ(pass({down(4), up(4), down(4), up(4)}), "+12 | -12 | +12 | -12");

    // Not acquired ends the pass; a read failure or a device gone drops the device.
    padA.nextStatus(ReadStatus::NotAcquired);
    EXPECT_EQ(pass({}, {down(1)}), "");
    EXPECT_EQ(padA.acquires, 1);
    EXPECT_EQ(pass(), "+30 | -30");
    padA.nextStatus(ReadStatus::ReadFailure);
    padB.nextStatus(ReadStatus::Gone);
    pass();
    const int readsA = padA.reads, readsB = padB.reads;
    pass();
    EXPECT_EQ(padA.reads + padB.reads, readsA + readsB);
    EXPECT_EQ(log.size(), 9u);
}

TEST(FollowController, ThePressedButtonSelectsTheFirstRowOfItsOwnDevice) {
    ScriptedDevice a("pad-a", 4), b("pad-b", 4);
    MappingTable t = table({row("pad-a", 1), row("PAD-B", 2), row("pad-b", 2), row("pad-b", 1)});
    const EngineDevices devices{{}, {&a, &b}};
    a.next({down(2)});  // pressed before following started: dropped
    startFollowing(devices);
    b.next({up(2)});
    EXPECT_EQ(followPass(devices, t), std::nullopt);
    b.next({down(2)});
    EXPECT_EQ(followPass(devices, t)->row, 1);
    a.next({down(1)});
    b.next({down(1), up(1)});
    EXPECT_EQ(followPass(devices, t)->row, 3) << "the last press read wins";
    a.next({down(3)});
    EXPECT_EQ(followPass(devices, t)->row, -1);
    EXPECT_EQ(t.selected, 3);
}

struct NormalPriority : ProcessPriority {
    int get() override { return priority::Normal; }
    int set(int priorityClass) override { return priorityClass; }
};

// Test mode over the engine's pads and rows, open in the editor.
struct TestMode : Engine {
    TestMode() {
        start({true});
        engine->setDevices({{}, {&padA, &padB}});  // compiled again only when the test starts
        *c.table = rows;
        c.session.devices.add(padA.info());
        c.session.devices.add(padB.info());
    }
    TestToggle toggle() { return Test_Mappings(c.session, *engine, services); }

    OpenConfiguration c;
    NormalPriority priority;
    MemoryStore store;
    TestModeServices services{c.boxes, priority, store, false, ""};
};

TEST_F(TestMode, StartsWithKeyOutputCompilesAndReadsTheTimings) {
    EXPECT_EQ(toggle(), TestToggle::None) << "no key output";
    services.canSendKeys = true;
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "100");
    EXPECT_EQ(toggle(), TestToggle::Started);
    EXPECT_EQ(engine->timings(), (EngineTimings{0.5, 0.1, 0}));
    EXPECT_EQ(pass({down(4)}, {down(1)}), "+30 | -30") << "buttons above the row count end";
    EXPECT_EQ(toggle(), TestToggle::Stopped);
    EXPECT_FALSE(c.session.testing);
}

}  // namespace
}  // namespace velloran::testing
