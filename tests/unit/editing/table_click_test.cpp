#include <gtest/gtest.h>

#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

TEST(TableClick, DescriptionTagDecidesTheRowColour) {
    struct Case {
        Tag tag, after;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {Tag{}, Tag::boolean(true), colour::ActiveRow},
        {Tag::boolean(false), Tag::boolean(false), colour::InactiveRow},
        {Tag::text("junk"), Tag::text("junk"), colour::InactiveRow},
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

TEST(TableClick, RepeatedClickChangesNothingUnlessRecordingWhichSetsTheLocks) {
    Desk d(2);
    d.table.selected = 1;
    d.table.row(1).colour = colour::SelectedRow;
    d.table.row(0).colour = colour::PressedRow;
    d.table.row(1).setFlag(col::NumLock, true);
    ListView3_Click(d.editing());
    EXPECT_EQ(d.table.row(0).colour, colour::PressedRow);
    EXPECT_EQ(d.host.calls, (std::vector<std::string>{"feedback"}));
    d.state.recording = true;
    ListView3_Click(d.editing());
    EXPECT_EQ(d.table.row(1).colour, colour::RecordingSelectedRow);
    EXPECT_EQ(d.host.locks(),
              (std::vector<std::string>{"lock 144 on", "lock 20 off", "lock 145 off"}));
}

}  // namespace
}  // namespace velloran
