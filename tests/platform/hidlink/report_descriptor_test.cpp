#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "descriptors.h"
#include "raw_records.h"
#include "report_descriptor.h"

namespace hidlink {
namespace {

using test::kButtonBox32;
using test::kGamepad12;
using test::kPanel256;

using State = std::array<std::uint8_t, 512>;


// The boards the fake hidraw tree uses: button bits behind axes and a hat, vendor bits, an output
// report that does not count, and numbered reports of which one carries no buttons.
TEST(ReportDescriptor, BoardsLayoutsAndReports) {
    struct Step {
        std::vector<std::uint8_t> report;
        bool accepted;
        std::vector<int> pressed;
    };
    struct Board {
        const char* what;
        std::vector<std::uint8_t> descriptor;
        int buttons;
        bool reportIds;
        std::map<int, std::size_t> lengths;
        std::vector<Step> steps;
    };
    std::vector<std::uint8_t> panelButtons(33, 0);
    panelButtons[0] = 1;
    panelButtons[1] = 0x02;   // button 2
    panelButtons[32] = 0x80;  // button 256
    const Board boards[] = {
        {"box", kButtonBox32, 32, false, {{0, 4}},
         {{{0x01, 0x00, 0x00, 0x80}, true, {1, 32}}, {{0x00, 0x04, 0x00, 0x00}, true, {11}}}},
        {"gamepad: axes centred, hat null, then only the sticks move", kGamepad12, 12, false,
         {{0, 8}},
         {{{0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x1F, 0x80, 0xFF}, true, {1, 12}},
          {{0x00, 0xFF, 0x10, 0x7F, 0x7F, 0x1F, 0x80, 0x00}, true, {1, 12}}}},
        {"panel: the throttle report, an unknown id, a short report, none", kPanel256, 256, true,
         {{1, 33}, {2, 2}},
         {{panelButtons, true, {2, 256}}, {{2, 0xFF}, true, {2, 256}}, {{3, 0xFF}, false, {}},
          {{1, 0xFF}, false, {}}, {{}, false, {}}}},
    };
    for (const Board& b : boards) {
        SCOPED_TRACE(b.what);
        const auto layout = parseReportDescriptor(b.descriptor);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->buttonCount, b.buttons);
        EXPECT_EQ(layout->usesReportIds, b.reportIds);
        EXPECT_EQ(layout->inputLengths, b.lengths);
        State state{};
        for (const Step& step : b.steps) {
            EXPECT_EQ(applyReport(*layout, step.report, state), step.accepted);
            if (step.accepted) {
                EXPECT_EQ(test::pressedIn(state.data()), step.pressed);
            }
        }
    }
}

TEST(ReportDescriptor, ItemForms) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> descriptor;
        int buttons;
        std::size_t reportLength;
    };
    const std::vector<Case> cases = {
        {"usages listed one by one, counted after them",
         {0x05, 0x09, 0x09, 0x03, 0x09, 0x07, 0x75, 0x01, 0x95, 0x02, 0x81, 0x02, 0x95, 0x06, 0x81,
          0x03},
         7,
         1},
        {"4-byte usages name their own page",
         {0x05, 0x01, 0x0B, 0x05, 0x00, 0x09, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
         5,
         1},
        {"push and pop restore the page",
         {0x05, 0x09, 0xA4, 0x05, 0x01, 0xB4, 0x19, 0x01, 0x29, 0x04, 0x75, 0x01, 0x95, 0x04, 0x81,
          0x02},
         4,
         1},
        {"constant and array fields are not buttons",
         {0x05, 0x09, 0x19, 0x01, 0x29, 0x08, 0x75, 0x01, 0x95, 0x08, 0x81,
          0x01, 0x19, 0x01, 0x29, 0x08, 0x75, 0x08, 0x95, 0x02, 0x81, 0x00},
         0,
         3},
        {"buttons past 512 are left out",
         {0x05, 0x09, 0x19, 0x01, 0x2A, 0x58, 0x02, 0x75, 0x01, 0x96, 0x58, 0x02, 0x81, 0x02},
         512,
         75},
        {"a long item is skipped",
         {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x09, 0x09, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02},
         1,
         1},
    };
    for (const auto& c : cases) {
        const auto layout = parseReportDescriptor(c.descriptor);
        ASSERT_TRUE(layout) << c.what;
        EXPECT_EQ(layout->buttonCount, c.buttons) << c.what;
        EXPECT_EQ(layout->inputLengths.at(0), c.reportLength) << c.what;
    }
}

TEST(ReportDescriptor, MalformedDescriptorsAreRefused) {
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"item data past the end", {0x05, 0x09, 0x19}},
        {"4-byte item cut short", {0x05, 0x09, 0x2B, 0x01, 0x00}},
        {"pop without push", {0x05, 0x09, 0xB4}},
        {"long item past the end", {0xFE, 0x08, 0x10, 0x00}},
        {"report larger than any board's",
         {0x05, 0x09, 0x77, 0xFF, 0xFF, 0x00, 0x00, 0x97, 0xFF, 0xFF, 0x00, 0x00, 0x81, 0x02}},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_FALSE(parseReportDescriptor(bytes)) << what;
    }
}

}  // namespace
}  // namespace hidlink
