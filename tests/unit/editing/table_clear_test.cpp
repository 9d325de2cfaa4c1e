#include <gtest/gtest.h>

#include "editing_fakes.h"
#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"

namespace velloran {
namespace {

using testing::Desk;

const Cell kStepA{"A", Tag::text("A")};

TEST(ClearSelectedItem, EmptiesOnlyTheCurrentStepCellButAlwaysMarks) {
    struct Case {
        int column;
        bool cleared;
    };
    for (const Case c :
         {Case{0, false}, Case{col::Description, false}, Case{9, true}, Case{40, true}}) {
        Desk d(2);
        d.table.selected = 1;
        d.table.row(1).cell(col::Description).text = "kept";
        d.table.row(1).cell(9) = kStepA;
        d.table.row(1).cell(40) = kStepA;
        d.state.currentColumn = c.column;
        ComClearItem_Click(d.editing());
        for (int step : {9, 40}) {
            const bool emptied = c.cleared && step == c.column;
            EXPECT_EQ(d.table.row(1).cell(step), emptied ? Cell{} : kStepA) << c.column;
        }
        EXPECT_EQ(d.table.row(1).cell(col::Description).text, "kept");
        EXPECT_EQ(d.host.calls, (std::vector<std::string>{"focus", "modified"})) << c.column;
    }
}

TEST(ClearSelectedItem, EmptyTableIsLeftAlone) {
    Desk d(0);
    d.state.currentColumn = 9;
    ComClearItem_Click(d.editing());
    EXPECT_TRUE(d.host.calls.empty());
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
    const MappingRow other = d.table.row(1);

    ComClear_Click(d.editing());

    for (int c : {col::Repeat, col::Rotary, col::NumLock, col::CapsLock, col::ScrollLock}) {
        EXPECT_EQ(row.cell(c), (Cell{"Off", Tag::boolean(false)})) << c;
    }
    EXPECT_EQ(row.cell(col::Multiplier), (Cell{"1X", Tag::number(1)}));
    EXPECT_EQ(row.cell(col::Description), (Cell{"", Tag::boolean(false)}));
    for (int step = col::FirstPress; step <= col::LastStep; ++step) {
        EXPECT_EQ(row.cell(step), Cell{}) << step;
    }
    EXPECT_TRUE(d.table.row(1).sameContent(other));
    // The click handler ran while recording: the keyboard's locks follow the cleared row.
    EXPECT_EQ(row.colour, colour::RecordingSelectedRow);
    EXPECT_EQ(d.host.locks(),
              (std::vector<std::string>{"lock 144 off", "lock 20 off", "lock 145 off"}));
    EXPECT_EQ(d.host.calls.back(), "modified");
}

TEST(ClearEntireRow, NothingWithoutASelectedRow) {
    Desk d(2);
    ComClear_Click(d.editing());
    EXPECT_TRUE(d.host.calls.empty());
}

TEST(DescriptionEditor, KeysAreFilteredForTheFileFormat) {
    EXPECT_EQ(filterDescriptionKey(U'"').character, U'\'');
    EXPECT_FALSE(filterDescriptionKey(U'"').commit);
    EXPECT_TRUE(filterDescriptionKey(U'\r').commit);
    EXPECT_EQ(filterDescriptionKey(U'é').character, U'é');
    EXPECT_FALSE(filterDescriptionKey(U'a').commit);
}

TEST(DescriptionEditor, CommitStoresTheTextInTheEditedRowEvenAfterASort) {
    Desk d(3);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{0, col::Description});
    std::ranges::reverse(d.table.rows());
    d.host.calls.clear();
    commitDescription(d.editing(), "Flaps");
    EXPECT_EQ(d.table.row(2).cell(col::Description).text, "Flaps");
    EXPECT_EQ(d.table.row(0).cell(col::Description).text, " ");
    EXPECT_EQ(d.host.calls, (std::vector<std::string>{"modified"}));
    EXPECT_FALSE(d.state.editedRow);

    // A second focus loss finds no edited row.
    commitDescription(d.editing(), "Again");
    EXPECT_EQ(d.table.row(2).cell(col::Description).text, "Flaps");
    EXPECT_EQ(d.host.count("modified"), 1);
}

}  // namespace
}  // namespace velloran
