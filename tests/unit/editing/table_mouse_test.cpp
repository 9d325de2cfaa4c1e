#include <gtest/gtest.h>

#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;
using Calls = std::vector<std::string>;

TEST(TableMouseDown, SelectsAndChoosesTheCurrentColumn) {
    struct Case {
        bool open;
        MouseButton button;
        TableHit hit;
        int selected, column;
        bool menu;
    };
    // The state before each press: row 0 selected, current column 12.
    const Case cases[] = {
        {true, MouseButton::Right, {-1, 0}, 0, 12, false},
        {true, MouseButton::Left, {3, 9}, 0, 12, false},
        {true, MouseButton::Right, {2, 4}, 2, 12, true},
        {true, MouseButton::Left, {1, col::ScrollLock}, 1, 0, false},
        {true, MouseButton::Left, {2, col::LastStep}, 2, 40, false},
        {true, MouseButton::Middle, {2, 20}, 2, 12, false},
        {false, MouseButton::Left, {1, 20}, 0, 12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hit.subItem);
        Desk d(3);
        d.table.selected = 0;
        d.state.currentColumn = 12;
        ListView3_MouseDown(d.editing(), c.open, c.button, c.hit);
        EXPECT_EQ(d.table.selected, c.selected);
        EXPECT_EQ(d.state.currentColumn, c.column);
        EXPECT_EQ(d.host.count("menu"), c.menu ? 1 : 0);
    }
}

TEST(TableMouseUp, MovesTheCurrentPictureToTheReleasedStepHeaderOnly) {
    Desk d(2);
    d.state.stepHeaders.set(30, header_image::Recording);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{1, col::FirstPress});
    StepHeaderImages want;
    want.set(10, header_image::Current);
    EXPECT_EQ(d.state.stepHeaders, want);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{0, col::CapsLock});
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{});

    for (const auto& [button, hit] : {std::pair{MouseButton::Right, TableHit{1, col::Description}},
                                      std::pair{MouseButton::Left, TableHit{5, 9}}}) {
        d.state.stepHeaders.set(12, header_image::Current);
        ListView3_MouseUp(d.editing(), button, hit);
        EXPECT_EQ(d.state.lastMouseUp, hit) << "other releases are only remembered";
        EXPECT_EQ(d.state.stepHeaders.at(12), header_image::Current);
        EXPECT_TRUE(d.host.calls.empty());
    }
}

TEST(TableDoubleClick, TogglesFlagsAndCyclesTheMultiplier) {
    struct Case {
        int subItem;
        Cell before, after;
    };
    const Case cases[] = {
        {col::Repeat, {"On", Tag::boolean(true)}, {"Off", Tag::boolean(false)}},
        {col::Rotary, {"Off", Tag{}}, {"On", Tag::boolean(true)}},
        {col::Multiplier, {"8X", Tag::number(8)}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"3X", Tag::number(3)}, {"6X", Tag::number(6)}},
        {col::Multiplier, {"2X", Tag::text("2")}, {"4X", Tag::number(4)}},
        {col::Multiplier, {"", Tag::number(-2.7)}, {"4X", Tag::number(4)}},
        {col::Multiplier, {"?", Tag::text("lots")}, {"1X", Tag::number(1)}},
        {col::Description, {"x", Tag::text("x")}, {"x", Tag::text("x")}},
        {9, {"A", Tag::text("A")}, {"A", Tag::text("A")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.tag.toText());
        Desk d(3);
        d.table.row(1).cell(c.subItem) = c.before;
        d.state.lastMouseUp = TableHit{1, c.subItem};
        ListView3_DblClick(d.editing());
        EXPECT_EQ(d.table.row(1).cell(c.subItem), c.after);
        EXPECT_EQ(d.table.selected, 1);
        EXPECT_EQ(d.host.calls, (Calls{c.before == c.after ? "commands" : "modified"}));
    }
}

TEST(TableDoubleClick, LocksReachTheKeyboardOnlyWhileRecordingAndTestingIgnoresIt) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.state.recording = recording;
        d.state.lastMouseUp = TableHit{0, col::ScrollLock};
        ListView3_DblClick(d.editing());
        EXPECT_TRUE(d.table.row(0).flag(col::ScrollLock));
        EXPECT_EQ(d.host.locks(), recording ? Calls{"lock 145 on"} : Calls{});
    }
    for (const bool testing : {true, false}) {
        Desk d(2);
        d.state.testing = testing;
        d.state.lastMouseUp = TableHit{testing ? 0 : -1, col::Repeat};
        ListView3_DblClick(d.editing());
        EXPECT_FALSE(d.table.row(0).flag(col::Repeat));
        EXPECT_TRUE(d.host.calls.empty());
    }
}

TEST(TableKeyUp, DeleteRemovesItemsOnlyOutsideRecordMode) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.state.recording = recording;
        ListView3_KeyUp(d.editing(), 46);
        ListView3_KeyUp(d.editing(), 8);  // BACKSPACE
        EXPECT_EQ(d.host.count("remove"), recording ? 0 : 1);
    }
}

}  // namespace
}  // namespace velloran
