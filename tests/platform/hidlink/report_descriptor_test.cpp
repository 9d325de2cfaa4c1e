#include "report_descriptor.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "test_support.h"

namespace hidlink::test {
namespace {

// A gamepad: five 8-bit axes, a 4-bit hat, 12 buttons (button 1 is bit 44) and 8 vendor bits in
// an 8-byte input report, and an output report.
const Bytes kGamepad12 = hex(
    "05 01 09 04 A1 01 A1 02 75 08 95 05 15 00 26 FF 00 "  // Joystick; 8 bits x 5, 0..255
    "09 30 09 31 09 32 09 32 09 35 81 02 "                 //   X Y Z Z Rz, Input
    "75 04 95 01 25 07 09 39 81 42 "                       //   hat, Input (Null state)
    "75 01 95 0C 25 01 05 09 19 01 29 0C 81 02 "           //   1 bit x 12, Button 1..12
    "06 00 FF 95 08 09 01 81 02 C0 "                       //   8 vendor bits; End
    "A1 02 75 08 95 07 09 02 91 02 C0 C0");                //   8 bits x 7, Output; End

std::vector<int> pressedIn(std::span<const std::uint8_t> state) {
    std::vector<int> pressed;
    for (std::size_t b = 0; b < state.size(); ++b) {
        if (state[b]) pressed.push_back(static_cast<int>(b) + 1);
    }
    return pressed;
}

// Button bits behind axes and a hat, vendor bits, an output report that does not count, and
// numbered reports of which one carries no buttons.
TEST(ReportDescriptor, BoardsLayoutsAndReports) {
    struct Step {
        Bytes report;
        bool accepted;
        std::vector<int> pressed;
    };
    struct Board {
        const char* what;
        const Bytes& descriptor;
        int buttons;
        std::map<int, std::size_t> lengths;
        std::vector<Step> steps;
    };
    Bytes panelButtons(33, 0);
    panelButtons[0] = 1;
    panelButtons[1] = 0x02;   // button 2
    panelButtons[32] = 0x80;  // button 256
    const Board boards[] = {
        {"box", kButtonBox32, 32, {{0, 4}},
         {{{0x01, 0x00, 0x00, 0x80}, true, {1, 32}}, {{0x00, 0x04, 0x00, 0x00}, true, {11}}}},
        {"gamepad: then only the sticks move", kGamepad12, 12, {{0, 8}},
         {{{0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x1F, 0x80, 0xFF}, true, {1, 12}},
          {{0x00, 0xFF, 0x10, 0x7F, 0x7F, 0x1F, 0x80, 0x00}, true, {1, 12}}}},
        {"panel: the throttle report, an unknown id, a short report, none", kPanel256, 256,
         {{1, 33}, {2, 2}},
         {{panelButtons, true, {2, 256}}, {{2, 0xFF}, true, {2, 256}}, {{3, 0xFF}, false, {}},
          {{1, 0xFF}, false, {}}, {{}, false, {}}}},
    };
    for (const Board& b : boards) {
        SCOPED_TRACE(b.what);
        const auto layout = parseReportDescriptor(b.descriptor);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->buttonCount, b.buttons);
        EXPECT_EQ(layout->usesReportIds, b.lengths.count(0) == 0);
        EXPECT_EQ(layout->inputLengths, b.lengths);
        std::array<std::uint8_t, 512> state{};
        for (const Step& step : b.steps) {
            EXPECT_EQ(applyReport(*layout, step.report, state), step.accepted);
            if (step.accepted) {
                EXPECT_EQ(pressedIn(state), step.pressed);
            }
        }
    }
}

// Buttons and the length of report 0, or -1 buttons for a descriptor that is refused.
TEST(ReportDescriptor, ItemFormsAndMalformedDescriptors) {
    struct Case {
        const char* what;
        const char* bytes;
        int buttons;
        std::size_t length;
    };
    const Case cases[] = {
        {"usages one by one", "05 09 09 03 09 07 75 01 95 02 81 02 95 06 81 03", 7, 1},
        {"4-byte usages name their own page", "05 02 0B 05 00 09 00 75 08 95 01 81 02", 5, 1},
        {"push and pop restore the page", "05 09 A4 05 01 B4 19 01 29 04 75 01 95 04 81 02", 4, 1},
        {"constant and array fields are not buttons",
         "05 09 19 01 29 08 75 01 95 08 81 03 19 01 29 08 75 08 95 02 81 00", 0, 3},
        {"buttons past 512 are left out", "05 09 19 01 2A 58 02 75 01 96 58 02 81 02", 512, 75},
        {"a long item is skipped", "FE 02 10 AA BB 05 09 09 01 75 01 95 01 81 02", 1, 1},
        {"item data past the end", "05 09 19", -1, 0},
        {"4-byte item cut short", "05 09 2B 01 00", -1, 0},
        {"pop without push", "05 09 B4", -1, 0},
        {"long item past the end", "FE 08 10 00", -1, 0},
        {"report larger than any board's", "05 09 77 FF FF 00 00 97 FF FF 00 00 81 02", -1, 0},
    };
    for (const auto& c : cases) {
        const auto layout = parseReportDescriptor(hex(c.bytes));
        EXPECT_EQ(layout ? layout->buttonCount : -1, c.buttons) << c.what;
        EXPECT_EQ(layout ? layout->inputLengths.at(0) : 0, c.length) << c.what;
    }
}

}  // namespace
}  // namespace hidlink::test
