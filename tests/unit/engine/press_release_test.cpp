#include <gtest/gtest.h>

#include "engine/mapping_engine.h"
#include "engine_fakes.h"

namespace velloran {
namespace {

using testing::down;
using testing::FakeClock;
using testing::keysText;
using testing::RecordingView;
using testing::ScriptedDevice;
using testing::up;

class PressRelease : public ::testing::Test {
protected:
    // One pad of 8 buttons; button 1 types A on press and B on release.
    MappingRow& add(MappingRow r = testing::row("PAD", 1, {{"A", "A"}}, {{"B", "B"}})) {
        return table.append(std::move(r));
    }
    void start() {
        engine.setDevices({{}, {&pad}});
        engine.compile(table);
        engine.setTimings(timings);
    }
    // One pass, returning what it typed.
    std::string pass(std::vector<ButtonChange> changes = {}) {
        if (!changes.empty()) pad.next(std::move(changes));
        out.clearBatches();
        engine.MyDXCallback();
        return keysText(out.batches());
    }

    FakeClock clock;
    RecordingOutput out{clock};
    RecordingView view;
    ScriptedDevice pad{"PAD", 8};
    MappingTable table;
    EngineTimings timings{0.5, 0.035, 0};
    MappingEngine engine{out, clock, view};
};

TEST_F(PressRelease, PressMacroOnceOnTheFirstPassReleaseMacroOnceOnRelease) {
    add();
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E");
    EXPECT_EQ(view.panel2, "Button 1: Pressed");
    clock.advanceMs(2000);
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
    EXPECT_EQ(view.looks,
              (std::vector<std::pair<int, RowLook>>{{0, RowLook::Held}, {0, RowLook::Idle}}));
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(view.panel1, "Input Devices: Available");
}

TEST_F(PressRelease, ANewRepeatDelayAppliesAtOnce) {
    add().setFlag(col::Repeat, true);
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E");
    clock.advanceMs(125);
    EXPECT_EQ(pass(), "");
    engine.setTimings({0.1, 0.035, 0});
    EXPECT_EQ(pass(), "+1E | -1E");
}

TEST_F(PressRelease, RepeatWithRotaryBehavesAsRotary) {
    MappingRow& r = add();
    r.setFlag(col::Rotary, true);
    r.setFlag(col::Repeat, true);
    r.cell(col::Multiplier).tag = Tag::number(2);
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E");
    clock.advanceMs(2000);
    EXPECT_EQ(pass(), "");  // held past the repeat delay: nothing more
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
    EXPECT_EQ(pass({down(1), up(1)}), "+1E | -1E | +30 | -30");
    clock.advanceMs(10);
    EXPECT_EQ(pass({down(1)}), "+1E | -1E | +1E | -1E");
}

TEST_F(PressRelease, SendsEveryStepInOrderAndSkipsStepsWithoutAScanCode) {
    add(testing::row("PAD", 1,
                     {{"A", "A"},
                      testing::kBlank,
                      {"PRINT SCREEN", "PRINT SCREEN"},
                      {"C", "C"},
                      {"SHIFT + PRINT SCREEN", "PRINT SCREEN"}}));
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E | +2E | -2E | +2A | -2A");
}

TEST_F(PressRelease, APressShorterThanThePassIntervalSendsBothMacrosInOrder) {
    add().setFlag(col::Repeat, true);
    add(testing::row("PAD", 2, {{"C", "C"}}, {{"D", "D"}}));
    start();
    EXPECT_EQ(pass({down(1), down(2), up(1), up(2)}),
              "+1E | -1E | +2E | -2E | +30 | -30 | +20 | -20");
    // Two pulses within one pass: each change applies its own rule.
    EXPECT_EQ(pass({down(2), up(2), down(2), up(2)}),
              "+2E | -2E | +20 | -20 | +2E | -2E | +20 | -20");
}

}  // namespace
}  // namespace velloran
