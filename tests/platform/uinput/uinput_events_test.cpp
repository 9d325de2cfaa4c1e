#include "uinput/uinput_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "keys/key_names.h"
#include "keys/scan_codes.h"

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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(uinputEventsOf(c.batch)), c.events) << c.what;
    }
}

TEST(UinputEvents, RecordsWithoutAKeyCodeAreLeftOut) {
    const std::vector<KeyRecord> onlyUnmapped = {{0, false}, {0x59, false}, {0xE0, true}};
    EXPECT_EQ(describe(uinputEventsOf(onlyUnmapped)), "");
    const std::vector<KeyRecord> mixed = {{0, false}, down(vk::Shift), {0x7F, false}};
    EXPECT_EQ(describe(uinputEventsOf(mixed)), "+42 |");
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

}  // namespace
}  // namespace velloran
