#include <gtest/gtest.h>

#include "editing/table_keyboard.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

// Row 0 selected, rows 1..4 coloured as if selected before and holding these Description Tags.
TEST(TableClick, TheDescriptionTagDecidesTheRowColour) {
    const Tag tags[] = {Tag{}, Tag::text(""), Tag::text("junk"), Tag::boolean(false)};
    Desk d(5);
    d.table.selected = 0;
    for (int r = 1; r <= 4; ++r) {
        d.table.row(r).cell(col::Description).tag = tags[r - 1];
        d.table.row(r).colour = colour::SelectedRow;
    }
    ListView3_Click(d.editing());
    const Tag after[] = {Tag::boolean(true), Tag::boolean(true), Tag::text("junk"),
                         Tag::boolean(false)};
    const std::uint32_t on = colour::ActiveRow, off = colour::InactiveRow;
    const std::uint32_t colours[] = {on, on, off, off};
    EXPECT_EQ(d.table.row(0).colour, colour::SelectedRow);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(d.table.row(r).cell(col::Description).tag, after[r - 1]) << r;
        EXPECT_EQ(d.table.row(r).colour, colours[r - 1]) << r;
    }
    Desk empty(0);
    ListView3_Click(empty.editing());
    EXPECT_EQ(empty.host.log, "");
}

using T = TableEditing;
using Act = void (*)(T, TableHit);
using B = MouseButton;
constexpr Act click = [](T t, TableHit) { ListView3_Click(t); };
constexpr Act pressL = [](T t, TableHit h) { ListView3_MouseDown(t, true, B::Left, h); };
constexpr Act pressR = [](T t, TableHit h) { ListView3_MouseDown(t, true, B::Right, h); };
constexpr Act pressM = [](T t, TableHit h) { ListView3_MouseDown(t, true, B::Middle, h); };
constexpr Act pressClosed = [](T t, TableHit h) { ListView3_MouseDown(t, false, B::Right, h); };
constexpr Act releaseL = [](T t, TableHit h) { ListView3_MouseUp(t, B::Left, h); };
constexpr Act releaseR = [](T t, TableHit h) { ListView3_MouseUp(t, B::Right, h); };
constexpr Act twice = [](T t, TableHit h) {
    t.state.lastMouseUp = h;
    ListView3_DblClick(t);
};
constexpr Act keyUp = [](T t, TableHit h) { ListView3_KeyUp(t, std::uint16_t(h.subItem)); };
bool moved = false;  // what the last move answered
constexpr Act move = [](T t, TableHit h) { moved = ListView3_KeyMove(t, h); };
constexpr Act enter = [](T t, TableHit h) { ListView3_KeyActivate(t, h); };
constexpr Act menu = [](T t, TableHit h) { ListView3_KeyMenu(t, true, h); };

// One event on three rows: row 0 selected (coloured so, Num Lock on), step 12 current and its
// header 13 showing that.
struct Event {
    const char* name;
    Act act;
    char mode;     // 'R' recording, 'T' testing
    TableHit hit;  // for keyUp the sub-item is the key code
    int selected, column;
    int header, picture;  // the one step header not idle afterwards (0: none)
    const char* log;
};

TEST(TableEvents, SelectChooseTheCurrentColumnAndActOnTheCell) {
    const int cur = header_image::Current;
    const char* const locks = "feedback, lock 144 on, lock 20 off, lock 145 off, repaint";
    const Event events[] = {
        {"click on the selected row", click, ' ', {}, 0, 12, 13, cur, "feedback"},
        {"click, recording", click, 'R', {}, 0, 12, 13, cur, locks},
        {"press beside the rows", pressR, ' ', {-1, 0}, 0, 12, 13, cur, ""},
        {"press past the last row", pressL, ' ', {3, 9}, 0, 12, 13, cur, ""},
        {"press, nothing open", pressClosed, ' ', {1, 20}, 0, 12, 13, cur, ""},
        {"right press", pressR, ' ', {2, 4}, 2, 12, 13, cur, "menu"},
        {"middle press", pressM, ' ', {2, 20}, 2, 12, 13, cur, ""},
        {"left press on Scroll Lock", pressL, ' ', {1, 8}, 1, 0, 13, cur, ""},
        {"left press on On Press 1", pressL, ' ', {1, 9}, 1, 9, 13, cur, ""},
        {"left release on a step", releaseL, ' ', {1, 9}, 0, 12, 10, cur, ""},
        {"left release, recording", releaseL, 'R', {1, 40}, 0, 12, 41, header_image::Recording, ""},
        {"left release on Caps Lock", releaseL, ' ', {1, 7}, 0, 12, 0, 0, ""},
        {"left release on Description", releaseL, ' ', {2, 5}, 0, 12, 0, 0, "editor 2"},
        {"right release", releaseR, ' ', {1, 5}, 0, 12, 13, cur, ""},
        {"release beside the rows", releaseL, ' ', {-1, 5}, 0, 12, 13, cur, ""},
        {"double click, recording", twice, 'R', {1, 8}, 1, 12, 13, cur, "lock 145 on, modified"},
        {"double click on a step", twice, ' ', {2, 20}, 2, 12, 13, cur, "commands"},
        {"double click, testing", twice, 'T', {1, 2}, 0, 12, 13, cur, ""},
        {"double click beside the rows", twice, ' ', {-1, 2}, 0, 12, 13, cur, ""},
        {"DELETE", keyUp, ' ', {0, 46}, 0, 12, 13, cur, "remove"},
        {"DELETE, recording", keyUp, 'R', {0, 46}, 0, 12, 13, cur, ""},
        {"BACKSPACE", keyUp, ' ', {0, 8}, 0, 12, 13, cur, ""},
        {"arrow to a step", move, ' ', {2, 10}, 2, 10, 11, cur, "feedback, repaint"},
        {"arrow to Description", move, ' ', {1, 5}, 1, 0, 0, 0, "feedback, repaint"},
        {"arrow beside the rows", move, ' ', {3, 10}, 0, 12, 13, cur, ""},
        {"arrow, recording", move, 'R', {2, 10}, 0, 12, 13, cur, ""},
        {"arrow, testing", move, 'T', {2, 10}, 0, 12, 13, cur, ""},
        {"Enter on Description", enter, ' ', {2, 5}, 2, 12, 13, cur, "editor 2"},
        {"Enter on Multiplier", enter, ' ', {1, 4}, 1, 12, 13, cur, "modified"},
        {"Enter on a step", enter, ' ', {1, 20}, 0, 12, 13, cur, ""},
        {"Enter, recording", enter, 'R', {1, 4}, 0, 12, 13, cur, ""},
        {"Enter, testing", enter, 'T', {2, 5}, 0, 12, 13, cur, ""},
        {"menu key", menu, ' ', {2, 20}, 2, 12, 13, cur, "menu"},
        {"menu key, recording", menu, 'R', {2, 20}, 0, 12, 13, cur, ""},
    };
    for (const Event& e : events) {
        SCOPED_TRACE(e.name);
        Desk d(3);
        d.table.selected = 0;
        d.table.row(0).colour = colour::SelectedRow;
        d.table.row(0).setFlag(col::NumLock, true);
        d.state.currentColumn = 12;
        d.state.stepHeaders.set(13, header_image::Current);
        d.recording = e.mode == 'R';
        d.testing = e.mode == 'T';
        e.act(d.editing(), e.hit);
        EXPECT_EQ(d.table.selected, e.selected);
        EXPECT_EQ(d.state.currentColumn, e.column);
        StepHeaderImages headers;
        if (e.header != 0) headers.set(e.header, e.picture);
        EXPECT_EQ(d.state.stepHeaders, headers);
        EXPECT_EQ(d.host.log, e.log);
        const bool editor = std::string_view(e.log).starts_with("editor");
        EXPECT_EQ(d.state.editedRow,
                  editor ? std::optional(d.table.row(e.hit.row).id) : std::nullopt);
        if (e.act == releaseL || e.act == releaseR) {
            EXPECT_EQ(d.state.lastMouseUp, e.hit);
        }
        if (e.act == move) {
            EXPECT_EQ(moved, *e.log != '\0');
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
