#include <gtest/gtest.h>

#include <algorithm>

#include "common/boxes.h"
#include "common/rows.h"
#include "editing/recording.h"
#include "editing/recording_keyboard_guard.h"
#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"
#include "editing/table_keyboard.h"

namespace velloran {
namespace {

using testing::ScriptedBoxes;

// A table and the window around it, which writes down every call it gets, comma-separated
// ("lock 144 on", "editor 2", "guard on"); as the decoder's host it writes steps into the table.
struct Desk : TableEditingHost, KeyDecodeHost {
    explicit Desk(int rows = 3) : table(velloran::testing::padTable(rows)) {}
    TableEditingState state;
    MappingTable table;
    bool rec = false, test = false;
    std::string log;
    std::optional<int> guardFailure;

    TableEditing editing() { return TableEditing{state, table, *this, rec, test}; }
    void note(const std::string& call) { log += (log.empty() ? "" : ", ") + call; }

    void markModified() override { note("modified"); }
    void refreshCommandStates() override { note("commands"); }
    void setLockKey(std::uint16_t key, bool on) override {
        note("lock " + std::to_string(key) + (on ? " on" : " off"));
    }
    void clearFeedback() override { note("feedback"); }
    void repaintTable() override { note("repaint"); }
    void focusTable() override { note("focus"); }
    void showContextMenu() override { note("menu"); }
    void openDescriptionEditor(int row) override { note("editor " + std::to_string(row)); }
    void removeItems() override { note("remove"); }
    std::optional<int> installKeyboardGuard() override {
        note("guard on");
        return guardFailure;
    }
    void removeKeyboardGuard() override { note("guard off"); }

    bool testOutputVisible() const override { return true; }
    bool recording() const override { return rec; }
    bool testing() const override { return test; }
    int currentColumn() const override { return state.currentColumn; }
    std::string testOutputText() const override { return {}; }
    void setTestOutput(std::string) override {}
    void writeStep(int c, const KeyStep& s) override { writeRecordedStep(table, c, s); }
};

using T = TableEditing;
using Act = void (*)(T, TableHit);
using B = MouseButton;
constexpr Act click = [](T t, TableHit) { ListView3_Click(t); };
constexpr Act pressL = [](T t, TableHit h) { ListView3_MouseDown(t, true, B::Left, h); };
constexpr Act pressR = [](T t, TableHit h) { ListView3_MouseDown(t, true, B::Right, h); };
constexpr Act releaseL = [](T t, TableHit h) { ListView3_MouseUp(t, B::Left, h); };
constexpr Act twice = [](T t, TableHit h) {
    t.state.lastMouseUp = h;
    ListView3_DblClick(t);
};
constexpr Act keyUp = [](T t, TableHit h) { ListView3_KeyUp(t, std::uint16_t(h.subItem)); };
bool moved = false;  // what the last move answered
constexpr Act move = [](T t, TableHit h) { moved = ListView3_KeyMove(t, h); };
constexpr Act enter = [](T t, TableHit h) { ListView3_KeyActivate(t, h); };
constexpr Act menu = [](T t, TableHit h) { ListView3_KeyMenu(t, true, h); };
ScriptedBoxes boxes;  // the record command's
constexpr Act record = [](T t, TableHit) { Rec_Mappings(t, boxes); };

// One event on three rows: row 0 selected with Num Lock on, step 12 current, row 2's active flag
// never set.
TEST(TableEvents, SelectChooseTheCurrentColumnAndReachTheirCommands) {
    struct Event {
        const char* name;
        Act act;
        char mode;     // 'R' recording, 'T' testing
        TableHit hit;  // for keyUp the sub-item is the key code
        int selected, column;
        std::string log;
    };
    const std::string locks = "feedback, lock 144 on, lock 20 off, lock 145 off, repaint";
    const Event events[] = {
        {"click, recording", click, 'R', {}, 0, 12, locks},
        {"press beside the rows", pressR, ' ', {-1, 0}, 0, 12, ""},
        {"press past the last row", pressL, ' ', {3, 9}, 0, 12, ""},
        {"right press", pressR, ' ', {2, 4}, 2, 12, "menu"},
        {"left press on Scroll Lock", pressL, ' ', {1, 8}, 1, 0, ""},
        {"left press on On Press 1", pressL, ' ', {1, 9}, 1, 9, ""},
        {"left release on Description", releaseL, ' ', {2, 5}, 0, 12, "editor 2"},
        {"release beside the rows", releaseL, ' ', {-1, 5}, 0, 12, ""},
        {"double click, recording", twice, 'R', {1, 8}, 1, 12, "lock 145 on, modified"},
        {"double click on a step", twice, ' ', {2, 20}, 2, 12, "commands"},
        {"double click beside the rows", twice, ' ', {-1, 2}, 0, 12, ""},
        {"DELETE", keyUp, ' ', {0, 46}, 0, 12, "remove"},
        {"DELETE, recording", keyUp, 'R', {0, 46}, 0, 12, ""},
        {"BACKSPACE", keyUp, ' ', {0, 8}, 0, 12, ""},
        {"arrow to a step", move, ' ', {2, 10}, 2, 10, "feedback, repaint"},
        {"arrow beside the rows", move, ' ', {3, 10}, 0, 12, ""},
        {"arrow, recording", move, 'R', {2, 10}, 0, 12, ""},
        {"Enter on Description", enter, ' ', {2, 5}, 2, 12, "editor 2"},
        {"Enter on Multiplier", enter, ' ', {1, 4}, 1, 12, "modified"},
        {"Enter, testing", enter, 'T', {2, 5}, 0, 12, ""},
        {"menu key", menu, ' ', {2, 20}, 2, 12, "menu"},
        {"record", record, ' ', {}, 0, 12, locks + ", focus, guard on, commands"},
        {"record off", record, 'R', {}, 0, 0, "feedback, feedback, repaint, guard off, commands"},
    };
    for (const Event& e : events) {
        SCOPED_TRACE(e.name);
        Desk d(3);
        d.table.selected = 0;
        d.table.row(0).setFlag(col::NumLock, true);
        d.table.row(2).cell(col::Description).tag = Tag{};
        d.state.currentColumn = 12;
        d.rec = e.mode == 'R';
        d.test = e.mode == 'T';
        e.act(d.editing(), e.hit);
        EXPECT_EQ(d.table.selected, e.selected);
        EXPECT_EQ(d.state.currentColumn, e.column);
        EXPECT_EQ(d.log, e.log);
        const bool editor = e.log.starts_with("editor");
        EXPECT_EQ(d.state.editedRow,
                  editor ? std::optional(d.table.row(e.hit.row).id) : std::nullopt);
        EXPECT_TRUE(e.act != releaseL || d.state.lastMouseUp == e.hit);
        EXPECT_TRUE(e.act != move || moved == !e.log.empty());
        EXPECT_TRUE(e.act != click || d.table.row(2).active());
        EXPECT_TRUE(e.act != record || d.rec != (e.mode == 'R'));
    }
}

TEST(TableClear, TheItemEmptiesTheCurrentStepTheRowAllButItsActiveFlag) {
    Desk empty(0);
    empty.state.currentColumn = 9;
    ComClearItem_Click(empty.editing());
    ComClear_Click(empty.editing());
    EXPECT_EQ(empty.log, "");
    Desk d(2);
    d.rec = true;
    d.table.selected = 0;
    MappingRow& row = d.table.row(0);
    MappingRow expected = row;
    for (int c = col::Repeat; c < col::Count; ++c) row.cell(c) = Cell{"On", Tag::boolean(true)};
    row.cell(col::Description) = Cell{"Gear up", Tag::boolean(false)};
    ComClearItem_Click(d.editing());  // no step current
    d.state.currentColumn = col::LastStep;
    ComClearItem_Click(d.editing());
    EXPECT_EQ(row.cell(col::LastStep), Cell{});
    EXPECT_EQ(row.cell(col::LastStep - 1).text, "On");
    ComClear_Click(d.editing());
    expected.colour = colour::RecordingSelectedRow;
    expected.cell(col::Description) = Cell{"", Tag::boolean(false)};
    for (int step = col::FirstPress; step <= col::LastStep; ++step) expected.cell(step) = Cell{};
    EXPECT_TRUE(row.sameContent(expected));
    EXPECT_EQ(d.log,
              "focus, modified, focus, modified, feedback, lock 144 off, lock 20 off, "
              "lock 145 off, repaint, modified");
}

TEST(DescriptionEditor, CommitsToTheEditedRowEvenAfterASort) {
    Desk d(3);
    d.state.editedRow = d.table.row(0).id;
    std::ranges::reverse(d.table.rows());
    commitDescription(d.editing(), "Flaps");
    EXPECT_EQ(d.table.row(2).cell(col::Description).text, "Flaps");
    EXPECT_EQ(d.log, "modified");
}

// A key typed with step 30 current on row 1, selected unless the mode is 'N'.
TEST(RecordedKeys, TheGuardAndThePreviewDecodeKeysIntoTheCurrentStep) {
    using A = GuardDecision::Action;
    struct Case {
        bool guard;           // through the keyboard guard, else the main window's preview
        char mode;            // 'R' recording, 'N' recording without a selected row
        GuardKeyEvent event;  // key, SHIFT, CTRL, ALT
        GuardDecision want;
        bool written;  // to step 30
    } const cases[] = {
        {true, 'R', {27, true, true, true}, {A::Block, "CTRL + ESC blocked", 0}, false},
        {true, 'R', {9, true, true, true}, {A::Block, "ALT + TAB blocked", 0}, false},
        {true, 'R', {27, false, false, true}, {A::Block, "ALT + ESC blocked", 0}, false},
        {true, 'R', {9, false, true, false}, {A::Decode, {}, modifier::Ctrl}, true},
        {true, 'R', {33, true, true, true}, {A::Decode, {}, 7}, true},
        {true, 'R', {40, true, false, false}, {A::Decode, {}, modifier::Shift}, true},
        {true, 'R', {32, false, false, true}, {}, false},
        {false, 'R', {'B'}, {}, true},
        {false, 'N', {'B'}, {}, false},
        {false, ' ', {'B'}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.event.virtualKey) + " " + c.mode);
        Desk d(2);
        d.rec = c.mode == 'R' || c.mode == 'N';
        d.table.selected = c.mode == 'N' ? -1 : 1;
        d.state.currentColumn = 30;
        if (c.guard) {
            EXPECT_EQ(guardKeyEvent(c.event, d), c.want);
        } else {
            previewKeyDown(d, c.event.virtualKey, 0);
        }
        EXPECT_EQ(d.table.row(1).cell(30).text != " ", c.written);
    }
    Desk d(1);
    d.table.selected = 0;
    writeRecordedStep(d.table, 12, KeyStep{"SHIFT + B", "B"});
    EXPECT_EQ(d.table.row(0).cell(12), (Cell{"SHIFT + B", Tag::text("B")}));
}

}  // namespace
}  // namespace velloran
