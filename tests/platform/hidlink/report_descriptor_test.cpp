#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "descriptors.h"
#include "report_descriptor.h"

namespace hidlink {
namespace {

using test::kButtonBox32;
using test::kGamepad12;
using test::kPanel256;

using State = std::array<std::uint8_t, 512>;

std::vector<int> pressedButtons(const State& s) {
    std::vector<int> pressed;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i]) pressed.push_back(static_cast<int>(i) + 1);
    }
    return pressed;
}

bool apply(const ReportLayout& layout, const std::vector<std::uint8_t>& report, State& state) {
    return applyReport(layout, report, state);
}

TEST(ReportDescriptor, ButtonBoxWithoutAxes) {
    const auto layout = parseReportDescriptor(kButtonBox32);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->buttonCount, 32);
    EXPECT_FALSE(layout->usesReportIds);
    EXPECT_EQ(layout->inputLengths, (std::map<int, std::size_t>{{0, 4}}));

    State state{};
    EXPECT_TRUE(apply(*layout, {0x01, 0x00, 0x00, 0x80}, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{1, 32}));
    EXPECT_TRUE(apply(*layout, {0x00, 0x04, 0x00, 0x00}, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{11}));
}

TEST(ReportDescriptor, GamepadButtonsBehindAxesAndHat) {
    const auto layout = parseReportDescriptor(kGamepad12);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->buttonCount, 12);
    EXPECT_EQ(layout->inputLengths, (std::map<int, std::size_t>{{0, 8}}))
        << "the output report does not count";

    State state{};
    // Axes centred, hat null (0x0F), buttons 1 and 12 down, vendor bits set.
    const std::vector<std::uint8_t> report = {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x1F, 0x80, 0xFF};
    EXPECT_TRUE(apply(*layout, report, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{1, 12}));
    // Only the sticks move: the buttons stay.
    EXPECT_TRUE(apply(*layout, {0x00, 0xFF, 0x10, 0x7F, 0x7F, 0x1F, 0x80, 0x00}, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{1, 12}));
}

TEST(ReportDescriptor, PanelWithReportIds) {
    const auto layout = parseReportDescriptor(kPanel256);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->buttonCount, 256);
    EXPECT_TRUE(layout->usesReportIds);
    EXPECT_EQ(layout->inputLengths, (std::map<int, std::size_t>{{1, 33}, {2, 2}}));

    State state{};
    std::vector<std::uint8_t> buttons(33, 0);
    buttons[0] = 1;
    buttons[1] = 0x02;   // button 2
    buttons[32] = 0x80;  // button 256
    EXPECT_TRUE(apply(*layout, buttons, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{2, 256}));
    // The throttle report carries no buttons and changes none.
    EXPECT_TRUE(apply(*layout, {2, 0xFF}, state));
    EXPECT_EQ(pressedButtons(state), (std::vector<int>{2, 256}));
    // Unknown IDs and short reports are refused.
    EXPECT_FALSE(apply(*layout, {3, 0xFF}, state));
    EXPECT_FALSE(apply(*layout, {1, 0xFF}, state));
    EXPECT_FALSE(apply(*layout, {}, state));
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
