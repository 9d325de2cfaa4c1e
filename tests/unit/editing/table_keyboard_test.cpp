#include <gtest/gtest.h>

#include "editing/table_keyboard.h"
#include "editing_fakes.h"

namespace velloran::testing {
namespace {

TEST(TableKeyboard, MovingTheCellIsALeftClickWithoutTheDescriptionEditor) {
    struct Case {
        const char* name;
        bool recording, testing;
        TableHit to;
        bool moved;
        int selected, currentColumn, currentHeader;  // header with the current picture, 0: none
    };
    const Case cases[] = {
        {"to a step column", false, false, {2, col::FirstPress + 1}, true, 2, 10, 11},
        {"to Description", false, false, {1, col::Description}, true, 1, 0, 0},
        {"beside every row", false, false, {5, col::Repeat}, false, 0, 9, 10},
        {"record mode keeps its keys", true, false, {2, col::Repeat}, false, 0, 9, 10},
        {"a test keeps its keys", false, true, {2, col::Repeat}, false, 0, 9, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Desk d;
        d.table.selected = 0;
        d.state.currentColumn = col::FirstPress;
        d.state.stepHeaders.set(10, header_image::Current);
        d.recording = c.recording;
        d.testing = c.testing;
        EXPECT_EQ(ListView3_KeyMove(d.editing(), c.to), c.moved);
        EXPECT_EQ(d.table.selected, c.selected);
        EXPECT_EQ(d.state.currentColumn, c.currentColumn);
        for (int h = kFirstStepHeader; h <= kLastStepHeader; ++h) {
            EXPECT_EQ(d.state.stepHeaders.at(h) == header_image::Current, h == c.currentHeader);
        }
        EXPECT_EQ(d.host.count("editor 1"), 0);
        if (c.moved) {
            EXPECT_EQ(d.table.row(c.selected).colour, colour::SelectedRow);
        }
    }
}

}  // namespace
}  // namespace velloran::testing
