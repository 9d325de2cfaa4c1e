#include <gtest/gtest.h>

#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

TEST(TableMouseDown, SelectsAndChoosesTheCurrentColumn) {
    struct Case {
        const char* name;
        bool open;
        MouseButton button;
        TableHit hit;
        int selected;
        int column;
        bool menu;
    };
    // The state before each press: row 0 selected, current column 12.
    const Case cases[] = {
        {"right below the last row", true, MouseButton::Right, {-1, 0}, 0, 12, false},
        {"row index past the end", true, MouseButton::Left, {3, 9}, 0, 12, false},
        {"right on a row", true, MouseButton::Right, {2, 4}, 2, 12, true},
        {"left on Repeat", true, MouseButton::Left, {1, col::Repeat}, 1, 0, false},
        {"left on Scroll Lock", true, MouseButton::Left, {1, col::ScrollLock}, 1, 0, false},
        {"left on On Press 1", true, MouseButton::Left, {1, col::FirstPress}, 1, 9, false},
        {"left on On Release 16", true, MouseButton::Left, {2, col::LastStep}, 2, 40, false},
        {"middle on a step", true, MouseButton::Middle, {2, 20}, 2, 12, false},
        {"no configuration open", false, MouseButton::Right, {1, 20}, 0, 12, false},
        {"no configuration open, left", false, MouseButton::Left, {1, 20}, 0, 12, false},
    };
    for (const Case& c : cases) {
        Desk d(3);
        d.table.selected = 0;
        d.state.currentColumn = 12;
        ListView3_MouseDown(d.editing(), c.open, c.button, c.hit);
        EXPECT_EQ(d.table.selected, c.selected) << c.name;
        EXPECT_EQ(d.state.currentColumn, c.column) << c.name;
        EXPECT_EQ(d.host.count("menu"), c.menu ? 1 : 0) << c.name;
    }
}

TEST(TableMouseUp, MovesTheCurrentPictureToTheReleasedStepHeader) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.recording = recording;
        d.state.stepHeaders.set(30, header_image::Recording);
        ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{1, col::FirstPress});
        for (int header = kFirstStepHeader; header <= kLastStepHeader; ++header) {
            const int want = header != 10 ? header_image::Idle
                             : recording  ? header_image::Recording
                                          : header_image::Current;
            EXPECT_EQ(d.state.stepHeaders.at(header), want) << header;
        }
    }
}

TEST(TableMouseUp, ReleaseOnAFlagColumnLeavesEveryStepHeaderIdle) {
    Desk d(2);
    d.state.stepHeaders.set(10, header_image::Current);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{0, col::CapsLock});
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{});
}

TEST(TableMouseUp, ReleaseOnDescriptionOpensTheEditorForThatRow) {
    Desk d(3);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{2, col::Description});
    EXPECT_EQ(d.host.calls, (std::vector<std::string>{"editor 2"}));
    EXPECT_EQ(d.state.editedRow, d.table.row(2).id);
}

TEST(TableMouseUp, OtherReleasesAreOnlyRemembered) {
    for (const auto& [button, hit] : {std::pair{MouseButton::Right, TableHit{1, col::Description}},
                                      std::pair{MouseButton::Left, TableHit{-1, col::Description}},
                                      std::pair{MouseButton::Left, TableHit{5, 9}}}) {
        Desk d(3);
        d.state.stepHeaders.set(12, header_image::Current);
        ListView3_MouseUp(d.editing(), button, hit);
        EXPECT_EQ(d.state.lastMouseUp, hit);
        EXPECT_EQ(d.state.stepHeaders.at(12), header_image::Current);
        EXPECT_TRUE(d.host.calls.empty());
        EXPECT_FALSE(d.state.editedRow);
    }
}

// A double click on `subItem` of row 1 holding `before`.
struct DoubleClick {
    Desk d{3};
    DoubleClick(int subItem, Cell before) {
        d.table.row(1).cell(subItem) = std::move(before);
        d.state.lastMouseUp = TableHit{1, subItem};
        ListView3_DblClick(d.editing());
    }
    const Cell& cell(int subItem) const { return d.table.row(1).cell(subItem); }
};

TEST(TableDoubleClick, TogglesFlagsAndCyclesTheMultiplier) {
    struct Case {
        int subItem;
        Cell before;
        Cell after;
    };
    const Case cases[] = {
        {col::Repeat, {"Off", Tag::boolean(false)}, {"On", Tag::boolean(true)}},
        {col::Repeat, {"On", Tag::boolean(true)}, {"Off", Tag::boolean(false)}},
        {col::Rotary, {"Off", Tag{}}, {"On", Tag::boolean(true)}},
        {col::Rotary, {"On", Tag::text("True")}, {"Off", Tag::boolean(false)}},
        {col::CapsLock, {"Off", Tag::boolean(false)}, {"On", Tag::boolean(true)}},
        {col::Multiplier, {"1X", Tag::number(1)}, {"2X", Tag::number(2)}},
        {col::Multiplier, {"4X", Tag::number(4)}, {"8X", Tag::number(8)}},
        {col::Multiplier, {"8X", Tag::number(8)}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"3X", Tag::number(3)}, {"6X", Tag::number(6)}},
        {col::Multiplier, {"2X", Tag::text("2")}, {"4X", Tag::number(4)}},
        {col::Multiplier, {"", Tag{}}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"", Tag::number(-2.7)}, {"4X", Tag::number(4)}},
        {col::Multiplier, {"", Tag::number(0.5)}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"?", Tag::text("lots")}, {"1X", Tag::number(1)}},
    };
    for (const Case& c : cases) {
        DoubleClick dc(c.subItem, c.before);
        EXPECT_EQ(dc.cell(c.subItem), c.after) << c.subItem << " " << c.before.tag.toText();
        EXPECT_EQ(dc.d.table.selected, 1);
        EXPECT_EQ(dc.d.host.calls, (std::vector<std::string>{"modified"}));
    }
}

TEST(TableDoubleClick, OtherColumnsChangeNothingAndMarkNothing) {
    for (const int subItem : {col::Button, col::DeviceId, col::Description, 9, 40}) {
        Desk d(3);
        d.table.row(1).cell(col::Description).text = "throttle";
        d.table.row(1).cell(9) = Cell{"A", Tag::text("A")};
        const MappingRow before = d.table.row(1);
        d.state.lastMouseUp = TableHit{1, subItem};
        ListView3_DblClick(d.editing());
        EXPECT_TRUE(d.table.row(1).sameContent(before)) << subItem;
        EXPECT_EQ(d.table.selected, 1) << subItem;
        EXPECT_EQ(d.host.calls, (std::vector<std::string>{"commands"})) << subItem;
    }
}

TEST(TableDoubleClick, LockToggleReachesTheKeyboardOnlyWhileRecording) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.recording = recording;
        d.state.lastMouseUp = TableHit{0, col::ScrollLock};
        ListView3_DblClick(d.editing());
        EXPECT_TRUE(d.table.row(0).flag(col::ScrollLock));
        EXPECT_EQ(d.host.locks(),
                  recording ? std::vector<std::string>{"lock 145 on"} : std::vector<std::string>{});
    }
}

TEST(TableDoubleClick, IgnoredWhileTestingOrBesideTheRows) {
    for (const bool testing : {true, false}) {
        Desk d(2);
        d.testing = testing;
        d.state.lastMouseUp = TableHit{testing ? 0 : -1, col::Repeat};
        ListView3_DblClick(d.editing());
        EXPECT_FALSE(d.table.row(0).flag(col::Repeat));
        EXPECT_EQ(d.table.selected, -1);
        EXPECT_TRUE(d.host.calls.empty());
    }
}

TEST(TableKeyUp, DeleteRemovesItemsOnlyOutsideRecordMode) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.recording = recording;
        ListView3_KeyUp(d.editing(), 46);
        ListView3_KeyUp(d.editing(), 8);  // BACKSPACE
        EXPECT_EQ(d.host.count("remove"), recording ? 0 : 1);
    }
}

}  // namespace
}  // namespace velloran
