#include <gtest/gtest.h>

#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

TEST(TableClick, EmptyTableIsLeftAlone) {
    Desk d(0);
    ListView3_Click(d.editing());
    EXPECT_TRUE(d.host.calls.empty());
}

TEST(TableClick, DescriptionTagDecidesTheRowColour) {
    struct Case {
        Tag tag;
        Tag after;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {Tag{}, Tag::boolean(true), colour::ActiveRow},
        {Tag::text(""), Tag::boolean(true), colour::ActiveRow},
        {Tag::boolean(false), Tag::boolean(false), colour::InactiveRow},
        {Tag::text("False"), Tag::text("False"), colour::InactiveRow},
        {Tag::text("junk"), Tag::text("junk"), colour::InactiveRow},
        {Tag::boolean(true), Tag::boolean(true), colour::ActiveRow},
    };
    for (const Case& c : cases) {
        Desk d(2);
        d.table.selected = 0;
        d.table.row(1).cell(col::Description).tag = c.tag;
        d.table.row(1).colour = colour::SelectedRow;  // a previous selection loses its colour
        ListView3_Click(d.editing());
        EXPECT_EQ(d.table.row(1).cell(col::Description).tag, c.after) << c.tag.toText();
        EXPECT_EQ(d.table.row(1).colour, c.colour) << c.tag.toText();
        EXPECT_EQ(d.table.row(0).colour, colour::SelectedRow);
    }
}

TEST(TableClick, RepeatedClickOnTheSelectedRowChangesNothing) {
    Desk d(2);
    d.table.selected = 0;
    d.table.row(0).colour = colour::SelectedRow;
    d.table.row(1).colour = colour::PressedRow;
    ListView3_Click(d.editing());
    EXPECT_EQ(d.table.row(1).colour, colour::PressedRow);
    EXPECT_EQ(d.host.calls, (std::vector<std::string>{"feedback"}));
}

TEST(TableClick, WhileRecordingTheRowsLocksGoToTheKeyboardInOrder) {
    Desk d(2);
    d.recording = true;
    d.table.selected = 1;
    d.table.row(1).colour = colour::SelectedRow;  // recording ignores the repeated-click stop
    d.table.row(1).setFlag(col::NumLock, true);
    d.table.row(1).setFlag(col::ScrollLock, true);
    ListView3_Click(d.editing());
    EXPECT_EQ(d.table.row(1).colour, colour::RecordingSelectedRow);
    EXPECT_EQ(d.table.row(0).colour, colour::ActiveRow);
    EXPECT_EQ(d.host.locks(),
              (std::vector<std::string>{"lock 144 on", "lock 20 off", "lock 145 on"}));
    EXPECT_EQ(d.host.calls.back(), "repaint");
}

}  // namespace
}  // namespace velloran
