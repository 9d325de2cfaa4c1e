// The virtual keyboard: the events a batch becomes and the key state kept from them, then the
// keyboard itself where the kernel has uinput.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "common/temp_folder.h"
#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "uinput/uinput_events.h"
#include "uinput/uinput_key_output.h"
#include "uinput/uinput_key_state.h"

namespace velloran {
namespace {

constexpr std::uint16_t A = 65, B = 66, X = 88;
KeyRecord down(std::uint16_t virtualKey, bool up = false) {
    return {scanCodeOf(virtualKey), up};
}

// "+30" a press, "-30" a release, "|" a SYN_REPORT; other events are left out.
std::string describe(const std::vector<input_event>& events) {
    std::string text;
    for (const input_event& e : events) {
        if (e.type == EV_SYN && e.code == SYN_REPORT) text += "|";
        if (e.type == EV_KEY) text += (e.value ? "+" : "-") + std::to_string(e.code) + " ";
    }
    return text;
}

TEST(UinputEvents, BatchesBecomeFramesInRecordOrder) {
    const std::pair<std::vector<KeyRecord>, const char*> cases[] = {
        {{down(vk::Shift), down(vk::Ctrl), down(X)}, "+42 +29 +45 |"},
        {{down(vk::NumLock), down(vk::NumLock, true)}, "+69 |-69 |"},
        {{down(A), down(B), down(A, true), down(B, true)}, "+30 +48 |-30 -48 |"},
        {{down(A), down(A, true), down(A)}, "+30 |-30 |+30 |"},
        {{{0, false}, {0x59, false}, {0xE0, true}}, ""},  // no key code
        {{{0, false}, down(vk::Shift), {0x7F, false}}, "+42 |"},
    };
    for (const auto& [batch, events] : cases) EXPECT_EQ(describe(uinputEventsOf(batch)), events);
}

TEST(UinputEvents, TheKeyboardAdvertisesEveryKeyTheKeysCanProduce) {
    const std::vector<std::uint16_t> codes = producibleKeyCodes();
    for (const KeyName& key : keyNames()) {
        const std::uint16_t code = linuxKeyCodeOf(scanCodeOf(key.code));
        EXPECT_TRUE(code == 0 || std::count(codes.begin(), codes.end(), code) == 1) << key.name;
    }
}

// Held keys follow the events sent (closing lets go of them); lock bits the LEDs the system
// writes back, and nothing else.
TEST(UinputKeyState, HeldKeysFollowTheSentEventsAndLocksTheLeds) {
    UinputKeyState state;
    state.sent(uinputEventsOf(std::vector{down(vk::Shift), down(A)}));
    state.sent(uinputEventsOf(std::vector{down(A, true)}));
    EXPECT_EQ(state.keyState(vk::Shift), 0x8000);
    EXPECT_EQ(state.keyState(A), 0);
    EXPECT_EQ(state.keyState(vk::Ctrl), 0);
    EXPECT_EQ(describe(releaseEventsOf(state.heldKeys())), "-42 |");  // what closing sends
    EXPECT_EQ(describe(releaseEventsOf({})), "");

    const std::tuple<std::uint16_t, std::uint16_t, int> written[] = {
        {EV_LED, LED_NUML, 1},  {EV_LED, LED_SCROLLL, 1}, {EV_LED, LED_NUML, 0},
        {EV_LED, LED_CAPSL, 1}, {EV_LED, LED_COMPOSE, 1}, {EV_KEY, KEY_NUMLOCK, 1}};
    for (const auto& [type, code, value] : written) {
        state.received(input_event{.time = {}, .type = type, .code = code, .value = value});
    }
    EXPECT_EQ(state.keyState(vk::NumLock), 0);
    EXPECT_EQ(state.keyState(vk::CapsLock), 1);
    EXPECT_EQ(state.keyState(vk::ScrollLock), 1);
    EXPECT_EQ(state.keyState(B), 0);
}

// A node that cannot be opened for another reason than its absence is no missing module. (The
// chooser's test opens /dev/null, which makes no keyboard.)
TEST(UinputKeyOutput, MissingAndUnusableNodes) {
    const testing::TempFolder dir;
    EXPECT_EQ(UinputKeyOutput::probe(dir.path("absent").string()), UinputStatus::Missing);
    EXPECT_EQ(UinputKeyOutput::probe(dir.root().string()), UinputStatus::NotWritable);  // EISDIR
}

// Events from the keyboard's node, as X or a compositor reads them, until none comes for 1 s.
std::string readKeys(int fd) {
    std::vector<input_event> events;
    pollfd readable{fd, POLLIN, 0};
    for (input_event e{}; ::poll(&readable, 1, 1000) > 0 && ::read(fd, &e, sizeof e) == sizeof e;) {
        events.push_back(e);
    }
    return describe(events);
}

TEST(UinputKeyOutput, BatchesArriveInOrder) {
    if (UinputKeyOutput::probe() != UinputStatus::Usable) {
        GTEST_SKIP() << kUinputPath << " cannot be opened for reading and writing here (no "
                     << "uinput in the kernel, or no permission): the keyboard is not tested";
    }
    auto created = UinputKeyOutput::create(kUinputPath,
                                           std::make_unique<FixedKeyLayout>(KeyTranslation(), ""));
    ASSERT_TRUE(created.ok()) << created.error().description;
    std::unique_ptr<UinputKeyOutput> output = std::move(created.value());
    // The node appears as the kernel registers the device; udev may still be fixing its mode.
    int fd = -1;
    for (int i = 0; i < 100 && fd < 0; ++i) {
        fd = ::open(output->eventNode().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GE(fd, 0) << "cannot open " << output->eventNode();
    ASSERT_TRUE(output->send(std::vector{down(vk::Shift), down(A)}));
    ASSERT_TRUE(output->send(std::vector{down(A, true)}));
    EXPECT_EQ(output->keyState(vk::Shift), 0x8000);
    EXPECT_EQ(readKeys(fd), "+42 +30 |-30 |");
    ::close(fd);
}

}  // namespace
}  // namespace velloran
