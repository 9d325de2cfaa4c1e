#include <gtest/gtest.h>

#include "common/clock.h"
#include "common/key_text.h"
#include "keys/key_names.h"
#include "keys/key_step.h"
#include "keys/send_key.h"

namespace velloran {
namespace {

using testing::FakeClock;
using testing::keysText;

CompiledRow rowWithStep(const char* text, const char* name) {
    CompiledRow row;
    Decode_Scancodes(row, text, name, 1);
    return row;
}

TEST(SendKey, PressesInSlotOrderThenReleasesInReverse) {
    struct Case {
        const char* text;
        const char* name;
        const char* want;
    };
    const Case cases[] = {
        {"SHIFT + CTRL + X", "X", "+2A +1D +2D | -2D -1D -2A"},
        {"SHIFT + CTRL + ALT + F12", "F12", "+2A +1D +38 +58 | -58 -38 -1D -2A"},
        // PRINT SCREEN has no scan code: the modifier is typed alone.
        {"SHIFT + ", "PRINT SCREEN", "+2A | -2A"},
        {" ", " ", ""},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        SendKey(out, clock, rowWithStep(c.text, c.name), 1, 0);
        EXPECT_EQ(keysText(out.batches()), c.want) << c.text;
        EXPECT_TRUE(out.heldKeys().empty()) << c.text;
    }
}

TEST(SendKey, HoldsTheKeysForTheRoundedHoldDuration) {
    struct Case {
        double hold;
        double slept;  // 0: no wait at all
    };
    const Case cases[] = {{0.4, 0}, {7.6, 8}, {12.5, 12}, {13.5, 14}};
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        SendKey(out, clock, rowWithStep("CTRL + C", "C"), 1, c.hold);
        ASSERT_EQ(out.batches().size(), 2u) << c.hold;
        EXPECT_EQ(clock.sleeps.size(), c.slept > 0 ? 1u : 0u) << c.hold;
        EXPECT_NEAR((out.batches()[1].time - out.batches()[0].time) * 1000, c.slept, 1e-6)
            << c.hold;
    }
}

TEST(SetKeyState, TogglesOnlyWhenTheWholeStateDiffers) {
    struct Case {
        bool on;
        bool held;
        int wanted;
        const char* want;
    };
    const Case cases[] = {
        {false, false, 1, "+45 -45"},
        {true, false, 1, ""},
        {true, true, 1, "+45 -45"},
        {false, true, 0, "+45 -45"},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        if (c.held) {
            const KeyRecord down{0x45, false};
            out.send({&down, 1});  // going down switches it, so start from the other state
            out.setLock(vk::NumLock, c.on);
            out.clearBatches();
        } else {
            out.setLock(vk::NumLock, c.on);
        }
        SetKeyState(out, vk::NumLock, c.wanted);
        EXPECT_EQ(keysText(out.batches()), c.want) << c.on << c.held << c.wanted;
    }
}

TEST(SetKeyState, UsesEachLockKeysOwnScanCode) {
    FakeClock clock;
    RecordingOutput out(clock);
    SetKeyState(out, vk::CapsLock, 1);
    SetKeyState(out, vk::ScrollLock, 1);
    EXPECT_EQ(keysText(out.batches()), "+3A -3A | +46 -46");
}

TEST(RecordingOutput, TracksHeldKeysAndLockStates) {
    FakeClock clock;
    RecordingOutput out(clock);
    const KeyRecord press[] = {{0x2A, false}, {0x3A, false}, {0x1E, false}};
    out.send(press);
    EXPECT_EQ(out.heldKeys(), (std::vector<std::uint16_t>{0x2A, 0x3A, 0x1E}));
    EXPECT_EQ(out.keyState(vk::CapsLock), 0x8001);

    clock.advanceMs(5);
    const KeyRecord again[] = {{0x3A, false}, {0x1E, true}, {0x3A, true}};
    out.send(again);  // a key already down does not switch its lock again
    EXPECT_EQ(out.heldKeys(), (std::vector<std::uint16_t>{0x2A}));
    EXPECT_EQ(out.keyState(vk::CapsLock), 1);
    EXPECT_NEAR(out.batches()[1].time - out.batches()[0].time, 0.005, 1e-9);
}

}  // namespace
}  // namespace velloran
