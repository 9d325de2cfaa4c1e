#include "report_descriptor.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "test_support.h"

namespace hidlink::test {
namespace {

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
        Bytes bytes;
        int buttons;
        std::size_t length;
    };
    const Case cases[] = {
        {"usages one by one, counted after them",
         {0x05, 0x09, 0x09, 0x03, 0x09, 0x07, 0x75, 0x01, 0x95, 0x02, 0x81, 0x02, 0x95, 0x06,
          0x81, 0x03}, 7, 1},
        {"4-byte usages name their own page",
         {0x05, 0x01, 0x0B, 0x05, 0x00, 0x09, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, 5, 1},
        {"push and pop restore the page",
         {0x05, 0x09, 0xA4, 0x05, 0x01, 0xB4, 0x19, 0x01, 0x29, 0x04, 0x75, 0x01, 0x95, 0x04,
          0x81, 0x02}, 4, 1},
        {"constant and array fields are not buttons",
         {0x05, 0x09, 0x19, 0x01, 0x29, 0x08, 0x75, 0x01, 0x95, 0x08, 0x81, 0x01, 0x19, 0x01,
          0x29, 0x08, 0x75, 0x08, 0x95, 0x02, 0x81, 0x00}, 0, 3},
        {"buttons past 512 are left out",
         {0x05, 0x09, 0x19, 0x01, 0x2A, 0x58, 0x02, 0x75, 0x01, 0x96, 0x58, 0x02, 0x81, 0x02},
         512, 75},
        {"a long item is skipped",
         {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x09, 0x09, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81,
          0x02}, 1, 1},
        {"item data past the end", {0x05, 0x09, 0x19}, -1, 0},
        {"4-byte item cut short", {0x05, 0x09, 0x2B, 0x01, 0x00}, -1, 0},
        {"pop without push", {0x05, 0x09, 0xB4}, -1, 0},
        {"long item past the end", {0xFE, 0x08, 0x10, 0x00}, -1, 0},
        {"report larger than any board's",
         {0x05, 0x09, 0x77, 0xFF, 0xFF, 0x00, 0x00, 0x97, 0xFF, 0xFF, 0x00, 0x00, 0x81, 0x02}, -1,
         0},
    };
    for (const auto& c : cases) {
        const auto layout = parseReportDescriptor(c.bytes);
        EXPECT_EQ(layout ? layout->buttonCount : -1, c.buttons) << c.what;
        EXPECT_EQ(layout ? layout->inputLengths.at(0) : 0, c.length) << c.what;
    }
}

}  // namespace
}  // namespace hidlink::test
