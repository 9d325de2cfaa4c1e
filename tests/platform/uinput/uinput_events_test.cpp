#include "uinput/uinput_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "uinput/uinput_key_state.h"

namespace velloran {
namespace {

KeyRecord down(std::uint16_t virtualKey) {
    return {scanCodeOf(virtualKey), false};
}
KeyRecord up(std::uint16_t virtualKey) {
    return {scanCodeOf(virtualKey), true};
}

// "+30" a press, "-30" a release, "|" a SYN_REPORT.
std::string describe(const std::vector<input_event>& events) {
    std::string text;
    for (const input_event& e : events) {
        if (e.type == EV_SYN && e.code == SYN_REPORT) {
            text += "|";
        } else if (e.type == EV_KEY) {
            text += (e.value ? "+" : "-") + std::to_string(e.code) + " ";
        } else {
            text += "?";
        }
    }
    return text;
}

TEST(UinputEvents, BatchesBecomeFramesInRecordOrder) {
    constexpr std::uint16_t X = 88, A = 65, B = 66;
    struct Case {
        const char* what;
        std::vector<KeyRecord> batch;
        const char* events;
    };
    const Case cases[] = {
        {"step press", {down(vk::Shift), down(vk::Ctrl), down(X)}, "+42 +29 +45 |"},
        {"lock toggle", {down(vk::NumLock), up(vk::NumLock)}, "+69 |-69 |"},
        {"interleaved", {down(A), down(B), up(A), up(B)}, "+30 +48 |-30 -48 |"},
        {"same key thrice", {down(A), up(A), down(A)}, "+30 |-30 |+30 |"},
        {"records without a key code", {{0, false}, {0x59, false}, {0xE0, true}}, ""},
        {"some without a key code", {{0, false}, down(vk::Shift), {0x7F, false}}, "+42 |"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(uinputEventsOf(c.batch)), c.events) << c.what;
    }
}

TEST(UinputEvents, TheKeyboardAdvertisesEveryKeyTheKeysCanProduce) {
    const std::vector<std::uint16_t> codes = producibleKeyCodes();
    ASSERT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0), 0);
    EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), KEY_LEFTSHIFT));
    for (const KeyName& key : keyNames()) {
        const std::uint16_t code = linuxKeyCodeOf(scanCodeOf(key.code));
        if (code != 0) {
            EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), code)) << key.name;
        }
    }
}

// An event the system writes back to the virtual keyboard.
input_event led(std::uint16_t code, int on, std::uint16_t type = EV_LED) {
    input_event e{};
    e.type = type;
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
    state.received(led(KEY_NUMLOCK, 1, EV_KEY));
    EXPECT_EQ(state.keyState(vk::NumLock), 0);
    EXPECT_EQ(state.keyState(65), 0);
}

}  // namespace
}  // namespace velloran
