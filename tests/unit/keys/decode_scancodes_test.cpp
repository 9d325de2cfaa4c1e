#include <gtest/gtest.h>

#include "keys/compiled_row.h"
#include "keys/key_step.h"

namespace velloran {
namespace {

ResolvedKey key(std::uint16_t code, std::uint16_t scan) {
    return ResolvedKey{code, scan};
}

constexpr ResolvedKey kNone{};

TEST(DecodeScancodes, ModifiersFromTheTextThenTheNamedKey) {
    struct Case {
        const char* text;
        const char* name;
        CompiledStep want;
    };
    const Case cases[] = {
        {"CTRL + Z", "Z", {key(17, 0x1D), key(90, 0x2C), kNone, kNone}},
        {"SHIFT + ALT + NUMPAD ENTER",
         "NUMPAD ENTER",
         {key(16, 0x2A), key(18, 0x38), key(108, 0x1C), kNone}},
        // A blank or unknown name leaves only the modifiers to send.
        {"CTRL + ALT + F13", "F13", {key(17, 0x1D), key(18, 0x38), kNone, kNone}},
        // The key comes from the name alone, never from the text.
        {"CTRL + Z", "X", {key(17, 0x1D), key(88, 0x2D), kNone, kNone}},
        {"SHIFT + CTRL + ALT + ",
         "PRINT SCREEN",
         {key(16, 0x2A), key(17, 0x1D), key(18, 0x38), key(42, 0)}},
    };
    for (const Case& c : cases) {
        CompiledRow row;
        Decode_Scancodes(row, c.text, c.name, 1);
        EXPECT_EQ(row.steps[0], c.want) << c.text << " / " << c.name;
    }
}

TEST(DecodeScancodes, OverwritesOnlyTheGivenStep) {
    CompiledRow row;
    for (int step = 1; step <= kStepsPerMacro; ++step) {
        Decode_Scancodes(row, "SHIFT + CTRL + ALT + A", "A", step);
    }
    const CompiledStep full = row.steps[0];

    Decode_Scancodes(row, "B", "B", 16);
    EXPECT_EQ(row.steps[15], (CompiledStep{key(66, 0x30), kNone, kNone, kNone}));
    Decode_Scancodes(row, "ALT + ", " ", 1);
    EXPECT_EQ(row.steps[0], (CompiledStep{key(18, 0x38), kNone, kNone, kNone}));
    for (std::size_t i = 1; i + 1 < row.steps.size(); ++i) EXPECT_EQ(row.steps[i], full) << i;
}

}  // namespace
}  // namespace velloran
