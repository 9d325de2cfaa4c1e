#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "devices/hid_button_state.h"

namespace velloran::hid {
namespace {

using Buffer = std::array<unsigned char, kStateSize>;

Buffer pressedButtons(std::initializer_list<int> buttons) {
    Buffer b{};
    for (int n : buttons) b[static_cast<std::size_t>(n - 1)] = 0x80;
    return b;
}

TEST(HidButtonState, ReportsEachDifferenceInButtonOrder) {
    ButtonState state(16);
    std::vector<ButtonChange> changes;
    state.apply(pressedButtons({9, 2}), changes);
    state.apply(pressedButtons({2}), changes);
    state.apply(pressedButtons({2}), changes);  // same state again: nothing
    state.apply(pressedButtons({}), changes);
    const std::vector<ButtonChange> want = {{2, true}, {9, true}, {9, false}, {2, false}};
    EXPECT_EQ(changes, want);
}

TEST(HidButtonState, IgnoresButtonsBeyondTheBoardAndReachesTheLastStateByte) {
    for (const int buttons : {3, 600}) {
        ButtonState state(buttons);
        std::vector<ButtonChange> changes;
        Buffer b = pressedButtons({3, 4, 512});
        b[512] = 1;  // the byte after the buttons is not a button
        state.apply(b, changes);
        const std::vector<ButtonChange> want =
            buttons == 3 ? std::vector<ButtonChange>{{3, true}}
                         : std::vector<ButtonChange>{{3, true}, {4, true}, {512, true}};
        EXPECT_EQ(changes, want);
        EXPECT_EQ(state.pressed(4), buttons > 3);
        EXPECT_FALSE(state.pressed(513));
    }
}

}  // namespace
}  // namespace velloran::hid
