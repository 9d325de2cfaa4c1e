#include <gtest/gtest.h>

#include <vector>

#include "engine_fakes.h"
#include "keys/key_names.h"
#include "engine/mapping_engine.h"

namespace velloran {
namespace {

using testing::down;
using testing::FakeClock;
using testing::ScriptedDevice;
using testing::keysText;
using testing::row;
using testing::RecordingView;
using testing::up;

// Records the lock keys the engine asks about, in order.
class SpyOutput : public RecordingOutput {
public:
    using RecordingOutput::RecordingOutput;
    int keyState(std::uint16_t virtualKey) override {
        queried.push_back(virtualKey);
        return RecordingOutput::keyState(virtualKey);
    }
    std::vector<std::uint16_t> queried;
};

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
    SpyOutput out{clock};
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
    EXPECT_EQ(view.looks, (std::vector<std::pair<int, RowLook>>{{0, RowLook::Held}}));
    EXPECT_EQ(view.panel1, "Input Devices: Pad PAD");
    EXPECT_EQ(view.panel2, "Button 1: Pressed");
    clock.advanceMs(2000);
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
    EXPECT_EQ(view.looks.back(), (std::pair{0, RowLook::Idle}));
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(view.panel1, "Input Devices: Available");
    EXPECT_EQ(view.panel2, " ");
    EXPECT_EQ(view.refreshes, 2);
    EXPECT_EQ(view.feedbackClears, 2);
}

TEST_F(PressRelease, RepeatSendsAtOnceThenEachTimeMoreThanTheDelayHasPassed) {
    add().setFlag(col::Repeat, true);
    start();
    // Offsets from the first pass in seconds, exact in binary; the delay is 0.5.
    struct Step {
        double at;
        bool sends;
    };
    const Step steps[] = {{0, true},          {0.25, false},    {0.5, false}, {0.5078125, true},
                          {1.0078125, false}, {1.015625, true}, {1.25, false}};
    pad.next({down(1)});
    double now = 0;
    for (const Step& s : steps) {
        clock.advanceMs((s.at - now) * 1000);
        now = s.at;
        EXPECT_EQ(pass(), s.sends ? "+1E | -1E" : "") << s.at;
    }
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
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

TEST_F(PressRelease, FastRotaryPressSendsMultiplierTimesAndSoDoesItsRelease) {
    MappingRow& r = add();
    r.setFlag(col::Rotary, true);
    r.cell(col::Multiplier).tag = Tag::number(4);
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E");
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
    clock.advanceMs(20);  // below the 35 ms threshold since the last press
    EXPECT_EQ(pass({down(1)}), "+1E | -1E | +1E | -1E | +1E | -1E | +1E | -1E");
    EXPECT_EQ(pass({up(1)}), "+30 | -30 | +30 | -30 | +30 | -30 | +30 | -30");
    clock.advanceMs(40);
    EXPECT_EQ(pass({down(1)}), "+1E | -1E");
    EXPECT_EQ(pass({up(1)}), "+30 | -30");
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
                   {" ", " "},
                   {"PRINT SCREEN", "PRINT SCREEN"},
                   {"C", "C"},
                   {"SHIFT + PRINT SCREEN", "PRINT SCREEN"}}));
    start();
    EXPECT_EQ(pass({down(1)}), "+1E | -1E | +2E | -2E | +2A | -2A");
}

TEST_F(PressRelease, LockStatesAroundEachMacroThenAllOff) {
    MappingRow& r = add();
    r.setFlag(col::NumLock, true);
    r.setFlag(col::ScrollLock, true);
    start();
    out.setLock(vk::CapsLock, true);
    EXPECT_EQ(pass({down(1)}), "+45 -45 | +3A -3A | +46 -46 | +1E | -1E | +45 -45 | +46 -46");
    const std::vector<std::uint16_t> order{144, 20, 145, 144, 20, 145};
    EXPECT_EQ(out.queried, order);

    out.queried.clear();
    out.setLock(vk::CapsLock, true);
    EXPECT_EQ(pass({up(1)}), "+45 -45 | +3A -3A | +46 -46 | +30 | -30 | +45 -45 | +46 -46");
    EXPECT_EQ(out.queried, order);
    EXPECT_FALSE(out.lockOn(vk::NumLock) || out.lockOn(vk::CapsLock) || out.lockOn(vk::ScrollLock));
    EXPECT_TRUE(out.heldKeys().empty());
}

TEST_F(PressRelease, APressShorterThanThePassIntervalSendsBothMacrosInOrder) {
    add().setFlag(col::Repeat, true);
    add(testing::row("PAD", 2, {{"C", "C"}}, {{"D", "D"}}));
    start();
    EXPECT_EQ(pass({down(1), down(2), up(1), up(2)}),
              "+1E | -1E | +2E | -2E | +30 | -30 | +20 | -20");
    EXPECT_EQ(view.looks,
              (std::vector<std::pair<int, RowLook>>{
                  {0, RowLook::Held}, {1, RowLook::Held}, {0, RowLook::Idle}, {1, RowLook::Idle}}));
    EXPECT_EQ(pass(), "");
}

TEST_F(PressRelease, HoldDurationSeparatesPressAndReleaseOfEachStep) {
    add(testing::row("PAD", 1, {{"A", "A"}, {"B", "B"}}));
    timings.keyHoldMs = 30;
    start();
    pass({down(1)});
    const auto& b = out.batches();
    ASSERT_EQ(b.size(), 4u);
    EXPECT_NEAR(b[1].time - b[0].time, 0.030, 1e-9);
    EXPECT_NEAR(b[2].time - b[1].time, 0, 1e-9);
    EXPECT_NEAR(b[3].time - b[2].time, 0.030, 1e-9);
}

}  // namespace
}  // namespace velloran
