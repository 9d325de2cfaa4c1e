#include "uinput/uinput_key_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "uinput/uinput_events.h"

namespace velloran {
namespace {

input_event led(std::uint16_t code, int on) {
    input_event e{};
    e.type = EV_LED;
    e.code = code;
    e.value = on;
    return e;
}

TEST(UinputKeyState, HeldKeysFollowTheSentEvents) {
    constexpr std::uint16_t A = 65;
    UinputKeyState state;
    const std::vector<KeyRecord> press = {{scanCodeOf(vk::Shift), false}, {scanCodeOf(A), false}};
    state.sent(uinputEventsOf(press));
    EXPECT_EQ(state.keyState(vk::Shift), 0x8000);
    EXPECT_EQ(state.keyState(A), 0x8000);
    EXPECT_EQ(state.keyState(vk::Ctrl), 0);
    EXPECT_EQ(state.heldKeys(), (std::vector<std::uint16_t>{KEY_A, KEY_LEFTSHIFT}));

    const std::vector<KeyRecord> release = {{scanCodeOf(A), true}};
    state.sent(uinputEventsOf(release));
    EXPECT_EQ(state.keyState(A), 0);
    EXPECT_EQ(state.heldKeys(), (std::vector<std::uint16_t>{KEY_LEFTSHIFT}));
}

TEST(UinputKeyState, LockBitsComeFromTheLedsTheSystemWrites) {
    UinputKeyState state;
    state.received(led(LED_NUML, 1));
    state.received(led(LED_SCROLLL, 1));
    EXPECT_EQ(state.keyState(vk::NumLock), 1);
    EXPECT_EQ(state.keyState(vk::CapsLock), 0);
    EXPECT_EQ(state.keyState(vk::ScrollLock), 1);

    state.received(led(LED_NUML, 0));
    state.received(led(LED_CAPSL, 1));
    EXPECT_EQ(state.keyState(vk::NumLock), 0);
    EXPECT_EQ(state.keyState(vk::CapsLock), 1);

    // Another LED, or a key event written back, is no lock state; nor does a lock LED light a
    // key that shares nothing with it.
    state.received(led(LED_COMPOSE, 1));
    input_event key{};
    key.type = EV_KEY;
    key.code = KEY_NUMLOCK;
    key.value = 1;
    state.received(key);
    EXPECT_EQ(state.keyState(vk::NumLock), 0);
    EXPECT_EQ(state.keyState(65), 0);
}

}  // namespace
}  // namespace velloran
