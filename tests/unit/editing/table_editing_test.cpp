#include <gtest/gtest.h>

#include "editing/table_keyboard.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

TEST(TableClick, TheDescriptionTagDecidesTheRowColour) {
    struct Case {
        Tag tag, after;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {Tag{}, Tag::boolean(true), colour::ActiveRow},
        {Tag::text(""), Tag::boolean(true), colour::ActiveRow},
        {Tag::text("junk"), Tag::text("junk"), colour::InactiveRow},
        {Tag::boolean(false), Tag::boolean(false), colour::InactiveRow},
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

TEST(TableClick, ARepeatedClickChangesNothingUnlessRecordingWhichSendsTheLocks) {
    for (const bool recording : {false, true}) {
        Desk d(2);
        d.recording = recording;
        d.table.selected = 1;
        d.table.row(1).colour = colour::SelectedRow;
        d.table.row(0).colour = colour::PressedRow;
        d.table.row(1).setFlag(col::NumLock, true);
        d.table.row(1).setFlag(col::ScrollLock, true);
        ListView3_Click(d.editing());
        EXPECT_EQ(d.table.row(0).colour, recording ? colour::ActiveRow : colour::PressedRow);
        EXPECT_EQ(d.table.row(1).colour,
                  recording ? colour::RecordingSelectedRow : colour::SelectedRow);
        EXPECT_EQ(d.host.log, recording ? "feedback, lock 144 on, lock 20 off, lock 145 on, repaint"
                                        : "feedback");
    }
    Desk empty(0);
    ListView3_Click(empty.editing());
    EXPECT_EQ(empty.host.log, "");
}

enum class Act { PressL, PressR, PressM, ReleaseL, ReleaseR, Double, KeyUp, Move, Activate, Menu };

// One event on three rows, row 0 selected and step 12 current (its header 13 showing that).
struct Event {
    const char* name;
    Act act;
    char mode;     // 'R' recording, 'T' testing, 'C' no configuration open
    TableHit hit;  // for KeyUp the sub-item is the key code
    int selected, column;
    int header, picture;  // the one step header not idle afterwards (0: none)
    const char* log;
};

TEST(TableEvents, SelectChooseTheCurrentColumnAndActOnTheCell) {
    using enum Act;
    const int cur = header_image::Current;
    const Event events[] = {
        {"press beside the rows", PressR, ' ', {-1, 0}, 0, 12, 13, cur, ""},
        {"press past the last row", PressL, ' ', {3, 9}, 0, 12, 13, cur, ""},
        {"press, nothing open", PressR, 'C', {1, 20}, 0, 12, 13, cur, ""},
        {"right press", PressR, ' ', {2, 4}, 2, 12, 13, cur, "menu"},
        {"middle press", PressM, ' ', {2, 20}, 2, 12, 13, cur, ""},
        {"left press on Scroll Lock", PressL, ' ', {1, 8}, 1, 0, 13, cur, ""},
        {"left press on On Press 1", PressL, ' ', {1, 9}, 1, 9, 13, cur, ""},
        {"left release on a step", ReleaseL, ' ', {1, 9}, 0, 12, 10, cur, ""},
        {"left release, recording", ReleaseL, 'R', {1, 40}, 0, 12, 41, header_image::Recording, ""},
        {"left release on Caps Lock", ReleaseL, ' ', {1, 7}, 0, 12, 0, 0, ""},
        {"left release on Description", ReleaseL, ' ', {2, 5}, 0, 12, 0, 0, "editor 2"},
        {"right release", ReleaseR, ' ', {1, 5}, 0, 12, 13, cur, ""},
        {"release beside the rows", ReleaseL, ' ', {-1, 5}, 0, 12, 13, cur, ""},
        {"double click, recording", Double, 'R', {1, 8}, 1, 12, 13, cur, "lock 145 on, modified"},
        {"double click on a step", Double, ' ', {2, 20}, 2, 12, 13, cur, "commands"},
        {"double click, testing", Double, 'T', {1, 2}, 0, 12, 13, cur, ""},
        {"double click beside the rows", Double, ' ', {-1, 2}, 0, 12, 13, cur, ""},
        {"DELETE", KeyUp, ' ', {0, 46}, 0, 12, 13, cur, "remove"},
        {"DELETE, recording", KeyUp, 'R', {0, 46}, 0, 12, 13, cur, ""},
        {"BACKSPACE", KeyUp, ' ', {0, 8}, 0, 12, 13, cur, ""},
        {"arrow to a step", Move, ' ', {2, 10}, 2, 10, 11, cur, "feedback, repaint"},
        {"arrow to Description", Move, ' ', {1, 5}, 1, 0, 0, 0, "feedback, repaint"},
        {"arrow beside the rows", Move, ' ', {3, 10}, 0, 12, 13, cur, ""},
        {"arrow, recording", Move, 'R', {2, 10}, 0, 12, 13, cur, ""},
        {"arrow, testing", Move, 'T', {2, 10}, 0, 12, 13, cur, ""},
        {"Enter on Description", Activate, ' ', {2, 5}, 2, 12, 13, cur, "editor 2"},
        {"Enter on Multiplier", Activate, ' ', {1, 4}, 1, 12, 13, cur, "modified"},
        {"Enter on a step", Activate, ' ', {1, 20}, 0, 12, 13, cur, ""},
        {"Enter, recording", Activate, 'R', {1, 4}, 0, 12, 13, cur, ""},
        {"Enter, testing", Activate, 'T', {2, 5}, 0, 12, 13, cur, ""},
        {"menu key", Menu, ' ', {2, 20}, 2, 12, 13, cur, "menu"},
        {"menu key, recording", Menu, 'R', {2, 20}, 0, 12, 13, cur, ""},
    };
    for (const Event& e : events) {
        SCOPED_TRACE(e.name);
        Desk d(3);
        d.table.selected = 0;
        d.state.currentColumn = 12;
        d.state.stepHeaders.set(13, header_image::Current);
        d.recording = e.mode == 'R';
        d.testing = e.mode == 'T';
        const TableEditing t = d.editing();
        switch (e.act) {
            case PressL: ListView3_MouseDown(t, e.mode != 'C', MouseButton::Left, e.hit); break;
            case PressR: ListView3_MouseDown(t, e.mode != 'C', MouseButton::Right, e.hit); break;
            case PressM: ListView3_MouseDown(t, e.mode != 'C', MouseButton::Middle, e.hit); break;
            case ReleaseL: ListView3_MouseUp(t, MouseButton::Left, e.hit); break;
            case ReleaseR: ListView3_MouseUp(t, MouseButton::Right, e.hit); break;
            case Double: d.state.lastMouseUp = e.hit; ListView3_DblClick(t); break;
            case KeyUp: ListView3_KeyUp(t, static_cast<std::uint16_t>(e.hit.subItem)); break;
            case Move: EXPECT_EQ(ListView3_KeyMove(t, e.hit), *e.log != '\0'); break;
            case Activate: ListView3_KeyActivate(t, e.hit); break;
            case Menu: ListView3_KeyMenu(t, true, e.hit); break;
        }
        EXPECT_EQ(d.table.selected, e.selected);
        EXPECT_EQ(d.state.currentColumn, e.column);
        for (int h = kFirstStepHeader; h <= kLastStepHeader; ++h) {
            EXPECT_EQ(d.state.stepHeaders.at(h), h == e.header ? e.picture : header_image::Idle) << h;
        }
        EXPECT_EQ(d.host.log, e.log);
        const bool editor = std::string_view(e.log).starts_with("editor");
        EXPECT_EQ(d.state.editedRow, editor ? std::optional(d.table.row(e.hit.row).id) : std::nullopt);
        if (e.act == ReleaseL || e.act == ReleaseR) {
            EXPECT_EQ(d.state.lastMouseUp, e.hit);
        }
    }
}

TEST(TableDoubleClick, TogglesFlagsAndCyclesTheMultiplier) {
    struct Case {
        int subItem;
        Cell before, after;
    };
    const Case cases[] = {
        {col::Repeat, {"Off", Tag::boolean(false)}, {"On", Tag::boolean(true)}},
        {col::Rotary, {"On", Tag::text("True")}, {"Off", Tag::boolean(false)}},
        {col::CapsLock, {"Off", Tag{}}, {"On", Tag::boolean(true)}},
        {col::Multiplier, {"4X", Tag::number(4)}, {"8X", Tag::number(8)}},
        {col::Multiplier, {"8X", Tag::number(8)}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"3X", Tag::text("3")}, {"6X", Tag::number(6)}},
        {col::Multiplier, {"", Tag::number(-2.7)}, {"4X", Tag::number(4)}},
        {col::Multiplier, {"", Tag::number(0.5)}, {"1X", Tag::number(1)}},
        {col::Multiplier, {"?", Tag::text("lots")}, {"1X", Tag::number(1)}},
        {col::Description, {"x", Tag{}}, {"x", Tag{}}},
    };
    for (const Case& c : cases) {
        Desk d(3);
        d.table.row(1).cell(c.subItem) = c.before;
        d.state.lastMouseUp = TableHit{1, c.subItem};
        ListView3_DblClick(d.editing());
        EXPECT_EQ(d.table.row(1).cell(c.subItem), c.after) << c.subItem << " " << c.before.text;
    }
}

}  // namespace
}  // namespace velloran
