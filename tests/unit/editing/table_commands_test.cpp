#include <gtest/gtest.h>

#include <algorithm>

#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"
#include "editing/table_sort.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;
using Texts = std::vector<std::string>;

const Cell kStepA{"A", Tag::text("A")};

TEST(ClearSelectedItem, EmptiesOnlyTheCurrentStepCellButAlwaysMarks) {
    for (const int column : {int{col::Description}, col::LastStep}) {
        Desk d(2);
        d.table.selected = 1;
        d.table.row(1).cell(col::Description).text = "kept";
        d.table.row(1).cell(col::LastStep) = kStepA;
        d.state.currentColumn = column;
        ComClearItem_Click(d.editing());
        EXPECT_EQ(d.table.row(1).cell(col::LastStep), column == col::LastStep ? Cell{} : kStepA);
        EXPECT_EQ(d.table.row(1).cell(col::Description).text, "kept");
        EXPECT_EQ(d.host.log, "focus, modified");
    }
    Desk empty(0);
    empty.state.currentColumn = 9;
    ComClearItem_Click(empty.editing());
    ComClear_Click(empty.editing());
    EXPECT_EQ(empty.host.log, "");
}

TEST(ClearEntireRow, ResetsTheRowButKeepsTheActiveFlag) {
    Desk d(2);
    d.recording = true;
    d.table.selected = 0;
    MappingRow& row = d.table.row(0);
    for (int c : {col::Repeat, col::Rotary, col::NumLock, col::CapsLock, col::ScrollLock}) {
        row.setFlag(c, true);
    }
    row.cell(col::Multiplier) = Cell{"4X", Tag::text("4")};
    row.cell(col::Description) = Cell{"Gear up", Tag::boolean(false)};
    for (int step = col::FirstPress; step <= col::LastStep; ++step) row.cell(step) = kStepA;
    MappingRow expected = testing::padTable(1).row(0);
    expected.colour = colour::RecordingSelectedRow;
    expected.cell(col::Description) = Cell{"", Tag::boolean(false)};
    for (int step = col::FirstPress; step <= col::LastStep; ++step) expected.cell(step) = Cell{};

    ComClear_Click(d.editing());
    EXPECT_TRUE(row.sameContent(expected));
    // The click handler ran while recording: the keyboard's locks follow the cleared row.
    EXPECT_EQ(d.host.log, "feedback, lock 144 off, lock 20 off, lock 145 off, repaint, modified");
}

TEST(DescriptionEditor, FiltersKeysAndCommitsToTheEditedRowEvenAfterASort) {
    EXPECT_EQ(filterDescriptionKey(U'"').character, U'\'');
    EXPECT_TRUE(filterDescriptionKey(U'\r').commit);
    EXPECT_FALSE(filterDescriptionKey(U'a').commit);

    Desk d(3);
    d.state.editedRow = d.table.row(0).id;
    std::ranges::reverse(d.table.rows());
    commitDescription(d.editing(), "Flaps");
    commitDescription(d.editing(), "Again");  // a second focus loss finds no edited row
    EXPECT_EQ(d.table.row(2).cell(col::Description).text, "Flaps");
    EXPECT_EQ(d.table.row(0).cell(col::Description).text, " ");
    EXPECT_EQ(d.host.log, "modified");
}

// The rows as device Tag and button text.
Texts order(const MappingTable& table) {
    Texts out;
    for (const MappingRow& r : table.rows())
        out.push_back(r.cell(col::DeviceId).tag.toText() + r.text);
    return out;
}

TEST(TableSort, DeviceIdFlipsTheOrderKeepingEqualRowsInPlaceAndTheSelectedRowSelected) {
    Desk d(0);
    d.table = testing::table({testing::row("stick", 1), testing::row("Pad", 2),
                              testing::row("stick", 3), testing::row("pad", 4)});
    d.table.selected = 1;
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_EQ(order(d.table), (Texts{"stick1", "stick3", "Pad2", "pad4"}));
    EXPECT_EQ(d.table.selected, 2);
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_EQ(order(d.table), (Texts{"Pad2", "pad4", "stick1", "stick3"}));
    EXPECT_EQ(d.host.log, "modified, modified");
}

TEST(TableSort, ButtonNumberOrdersNumericallyWithinEachDeviceAndOtherHeadersDoNothing) {
    Desk d(0);
    d.table =
        testing::table({testing::row("pad", 10), testing::row("pad", 0), testing::row("pad", 9),
                        testing::row("axe", 2), testing::row("axe", 1)});
    d.table.row(1).text = "x";
    EXPECT_FALSE(ListView3_ColumnClick(d.editing(), 3));
    EXPECT_EQ(d.host.log, "");
    d.table.sortDescending = true;  // so the device sort that follows is ascending
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kButtonNoHeader));
    EXPECT_EQ(order(d.table), (Texts{"axe1", "axe2", "padx", "pad9", "pad10"}));
}

}  // namespace
}  // namespace velloran
