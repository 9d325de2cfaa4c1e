#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/key_text.h"
#include "keys/compiled_row.h"
#include "keys/key_names.h"
#include "keys/key_step.h"
#include "keys/scan_codes.h"
#include "keys/send_key.h"

namespace velloran::testing {
namespace {

// Over the code's own table: names and codes resolve both ways, none twice, every named key
// reaches an output key (PRINT SCREEN has no set-1 code and types nothing), and without an
// extended flag only a number-pad key and its twin off the pad share a scan code.
TEST(KeyTable, RoundTripNoDuplicatesAndOnlyNumberPadTwinsShareAScanCode) {
    std::set<std::string> names;
    std::set<int> codes;
    std::map<std::uint16_t, std::vector<std::string>> byScan;
    for (const KeyName& key : keyNames()) {
        EXPECT_TRUE(names.insert(std::string(key.name)).second) << key.name;
        EXPECT_TRUE(codes.insert(key.code).second) << key.name;
        EXPECT_EQ(keyCodeOfName(key.name), key.code) << key.name;
        EXPECT_EQ(keyNameOfCode(key.code), key.name) << key.name;
        const std::uint16_t scan = scanCodeOf(key.code);
        EXPECT_EQ(scan == 0, key.name == "PRINT SCREEN") << key.name;
        if (scan != 0) {
            EXPECT_NE(linuxKeyCodeOf(scan), 0) << key.name;
            byScan[scan].push_back(std::string(key.name));
        }
    }
    EXPECT_EQ(names.size(), 92u);
    for (const auto& [scan, twins] : byScan) {
        if (twins.size() == 1) continue;
        ASSERT_EQ(twins.size(), 2u) << twins[0];
        EXPECT_NE(twins[0].starts_with("NUMPAD "), twins[1].starts_with("NUMPAD ")) << twins[0];
    }
}

TEST(KeyTable, NamesAreExactAndUnnamedCodesGiveNothing) {
    for (const char* name : {"", "a", "f1", "F13", "NUM LOCK", " A", "numpad 1", "AB"}) {
        EXPECT_EQ(keyCodeOfName(name), 0) << '"' << name << '"';
    }
    for (const std::uint16_t code : std::initializer_list<std::uint16_t>{0, 44, 91, 124, 256}) {
        EXPECT_EQ(keyNameOfCode(code), "") << code;
        EXPECT_EQ(scanCodeOf(code), 0) << code;
    }
    for (const std::uint16_t scan : std::initializer_list<std::uint16_t>{0, 0x59, 0xE0, 0xFFFF}) {
        EXPECT_EQ(linuxKeyCodeOf(scan), 0) << scan;
    }
    EXPECT_EQ(linuxKeyCodeOf(0x58), 0x58);
}

ResolvedKey key(std::uint16_t code, std::uint16_t scan) {
    return ResolvedKey{code, scan};
}

constexpr ResolvedKey kNone{};

// Each case decodes into one step of a row whose steps are all full already.
TEST(DecodeScancodes, ModifiersFromTheTextThenTheNamedKeyIntoTheGivenStepOnly) {
    struct Case {
        const char* text;
        const char* name;
        int step;
        CompiledStep want;
    };
    const Case cases[] = {
        {"CTRL + Z", "Z", 1, {key(17, 0x1D), key(90, 0x2C), kNone, kNone}},
        {"SHIFT + ALT + NUMPAD ENTER",
         "NUMPAD ENTER",
         16,
         {key(16, 0x2A), key(18, 0x38), key(108, 0x1C), kNone}},
        // A blank or unknown name leaves only the modifiers to send.
        {"CTRL + ALT + F13", "F13", 2, {key(17, 0x1D), key(18, 0x38), kNone, kNone}},
        // The key comes from the name alone, never from the text.
        {"CTRL + Z", "X", 1, {key(17, 0x1D), key(88, 0x2D), kNone, kNone}},
        {"SHIFT + CTRL + ALT + ",
         "PRINT SCREEN",
         1,
         {key(16, 0x2A), key(17, 0x1D), key(18, 0x38), key(42, 0)}},
    };
    CompiledRow full;
    for (int step = 1; step <= kStepsPerMacro; ++step) {
        Decode_Scancodes(full, "SHIFT + CTRL + ALT + A", "A", step);
    }
    for (const Case& c : cases) {
        CompiledRow row = full;
        Decode_Scancodes(row, c.text, c.name, c.step);
        for (int s = 1; s <= kStepsPerMacro; ++s) {
            const auto i = static_cast<std::size_t>(s - 1);
            EXPECT_EQ(row.steps[i], s == c.step ? c.want : full.steps[i]) << c.text << ' ' << s;
        }
    }
}

CompiledRow rowWithStep(const char* text, const char* name) {
    CompiledRow row;
    Decode_Scancodes(row, text, name, 1);
    return row;
}

TEST(SendKey, PressesInSlotOrderThenReleasesInReverseAfterTheRoundedHold) {
    struct Case {
        const char* text;
        const char* name;
        double hold;
        const char* want;
        double slept;  // 0: no wait at all
    };
    const Case cases[] = {
        {"SHIFT + CTRL + X", "X", 0.4, "+2A +1D +2D | -2D -1D -2A", 0},
        {"SHIFT + CTRL + ALT + F12", "F12", 7.6, "+2A +1D +38 +58 | -58 -38 -1D -2A", 8},
        // PRINT SCREEN has no scan code: the modifier is typed alone.
        {"SHIFT + ", "PRINT SCREEN", 12.5, "+2A | -2A", 12},
        {"CTRL + C", "C", 13.5, "+1D +2E | -2E -1D", 14},
        {" ", " ", 20, "", 0},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        SendKey(out, clock, rowWithStep(c.text, c.name), 1, c.hold);
        EXPECT_EQ(keysText(out.batches()), c.want) << c.text;
        EXPECT_TRUE(out.heldKeys().empty()) << c.text;
        EXPECT_EQ(clock.sleeps.size(), c.slept > 0 ? 1u : 0u) << c.hold;
        if (out.batches().size() == 2) {
            EXPECT_NEAR((out.batches()[1].time - out.batches()[0].time) * 1000, c.slept, 1e-6);
        }
    }
}

TEST(SetKeyState, TogglesTheLocksOwnKeyOnlyWhenTheWholeStateDiffers) {
    struct Case {
        std::uint16_t lock;
        bool on;
        bool held;
        int wanted;
        const char* want;
    };
    const Case cases[] = {
        {vk::NumLock, false, false, 1, "+45 -45"},   {vk::NumLock, true, false, 1, ""},
        {vk::NumLock, true, true, 1, "+45 -45"},     {vk::NumLock, false, true, 0, "+45 -45"},
        {vk::CapsLock, false, false, 1, "+3A -3A"}, {vk::ScrollLock, true, false, 0, "+46 -46"},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        if (c.held) {
            const KeyRecord down{scanCodeOf(c.lock), false};
            out.send({&down, 1});  // a key already down does not switch its lock again
        }
        out.setLock(c.lock, c.on);
        out.clearBatches();
        SetKeyState(out, c.lock, c.wanted);
        EXPECT_EQ(keysText(out.batches()), c.want) << c.lock << c.on << c.held << c.wanted;
    }
}

}  // namespace
}  // namespace velloran::testing
