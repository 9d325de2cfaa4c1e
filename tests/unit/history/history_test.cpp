#include <gtest/gtest.h>

#include <functional>

#include "editing/recording.h"
#include "editing/table_editing.h"
#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"
#include "history/history_commands.h"
#include "maintenance/add_devices.h"
#include "maintenance/del_devices.h"
#include "maintenance/swap_devices.h"
#include "unit/maintenance/maintenance_fakes.h"

namespace velloran::testing {
namespace {

// The window around the table as far as the history sees it: edits mark the session changed.
struct SessionHost : TableEditingHost {
    EditorSession& session;
    explicit SessionHost(EditorSession& s) : session(s) {}
    void markModified() override { session.markChanged(); }
    void refreshCommandStates() override {}
    void setLockKey(std::uint16_t, bool) override {}
    void clearFeedback() override {}
    void repaintTable() override {}
    void focusTable() override {}
    void showContextMenu() override {}
    void openDescriptionEditor(int) override {}
    void removeItems() override {}
    std::optional<int> installKeyboardGuard() override { return std::nullopt; }
    void removeKeyboardGuard() override {}
};

// "file1" open and unchanged: PAD buttons 1..3 (row 2 selected, holding a step and Repeat on)
// and button 1 of GONE, which is not connected. The histories have seen it opened.
struct Opened : OpenConfiguration {
    TableEditingState editing;
    SessionHost host{session};
    explicit Opened(int code = state::Unchanged) : OpenConfiguration(code) {
        device("PAD", 4);
        device("STICK", 2);
        for (int b = 1; b <= 3; ++b) row(b, "PAD");
        row(1, "GONE");
        table->selected = 1;
        table->row(1).cell(col::FirstPress) = Cell{"A", Tag::text("A")};
        table->row(1).setFlag(col::Repeat, true);
        editing.currentColumn = col::FirstPress;
        follow();
    }
    TableEditing t() { return TableEditing{editing, *table, host}; }
    // What the window does after every command.
    void follow() { session.setButtonStates(CommandStates{}); }
    void doubleClick(int subItem) {
        editing.lastMouseUp = TableHit{1, subItem};
        ListView3_DblClick(t());
    }
    bool step(HistoryStep s) {
        const bool stepped = stepHistory(session, s);
        follow();
        return stepped;
    }
};

using Edit = std::function<void(Opened&)>;

// Rows as their button, device and cells.
std::vector<std::string> contents(const MappingTable& table) {
    std::vector<std::string> out;
    for (const MappingRow& r : table.rows()) {
        std::string line = r.text;
        for (const Cell& c : r.sub) line += "|" + c.text + "=" + c.tag.toText();
        out.push_back(line);
    }
    return out;
}

const std::pair<const char*, Edit> kEdits[] = {
    {"Repeat toggled", [](Opened& o) { o.doubleClick(col::Repeat); }},
    {"Caps Lock toggled", [](Opened& o) { o.doubleClick(col::CapsLock); }},
    {"Multiplier cycled", [](Opened& o) { o.doubleClick(col::Multiplier); }},
    {"Description stored",
     [](Opened& o) {
         o.editing.editedRow = o.table->row(1).id;
         commitDescription(o.t(), "jump");
     }},
    {"step recorded",
     [](Opened& o) {
         writeRecordedStep(*o.table, col::FirstPress, KeyStep{"+SHIFT +B", "B"});
         o.session.markChanged();
     }},
    {"item cleared", [](Opened& o) { ComClearItem_Click(o.t()); }},
    {"row cleared", [](Opened& o) { ComClear_Click(o.t()); }},
    {"items removed",
     [](Opened& o) {
         o.boxes.answers = {Answer::Yes};
         ScriptedDuplicates none;
         Del_Devices(o.session, o.boxes, none);
     }},
    {"devices added",
     [](Opened& o) {
         o.boxes.answers = {Answer::Yes};
         Add_Devices(o.session, o.boxes);
     }},
    {"device replaced",
     [](Opened& o) {
         o.boxes.answers = {Answer::Yes};
         ScriptedDevice stick;
         stick.answer = 1;
         Swap_Devices(o.session, o.boxes, stick);
     }},
};

TEST(History, EveryEditKindIsUndoneAndRedoneWithTheStateCode) {
    for (const auto& [name, edit] : kEdits) {
        SCOPED_TRACE(name);
        Opened o;
        const auto original = contents(*o.table);
        edit(o);
        o.follow();
        const auto edited = contents(*o.table);
        ASSERT_NE(edited, original);
        ASSERT_EQ(o.state(), state::Changed);

        ASSERT_TRUE(o.step(HistoryStep::Undo));
        EXPECT_EQ(contents(*o.table), original);
        EXPECT_EQ(o.state(), state::Unchanged);  // back at the rows read from the file
        EXPECT_FALSE(canStep(o.session, HistoryStep::Undo));

        ASSERT_TRUE(o.step(HistoryStep::Redo));
        EXPECT_EQ(contents(*o.table), edited);
        EXPECT_EQ(o.state(), state::Changed);
        EXPECT_FALSE(canStep(o.session, HistoryStep::Redo));
    }
}

TEST(History, SavedPointNeverSavedAndEditsThatChangeNothing) {
    Opened o;
    o.doubleClick(col::Repeat);
    o.follow();
    o.session.list.find("file1")->state = state::Unchanged;  // what a save leaves
    o.follow();
    o.doubleClick(col::Rotary);
    o.follow();
    ASSERT_TRUE(o.step(HistoryStep::Undo));
    EXPECT_EQ(o.state(), state::Unchanged);  // the saved rows, not the opened ones
    ASSERT_TRUE(o.step(HistoryStep::Undo));
    EXPECT_EQ(o.state(), state::Changed);
    // A new edit forgets the redo steps, and with them the saved rows.
    o.doubleClick(col::NumLock);
    o.follow();
    EXPECT_FALSE(canStep(o.session, HistoryStep::Redo));
    ASSERT_TRUE(o.step(HistoryStep::Undo));
    ASSERT_TRUE(o.step(HistoryStep::Redo));
    EXPECT_EQ(o.state(), state::Changed);

    // A recorded key outside the step columns and a Description stored unchanged are no steps.
    Opened fresh;
    fresh.session.markChanged();
    fresh.editing.editedRow = fresh.table->row(1).id;
    commitDescription(fresh.t(), fresh.table->row(1).cell(col::Description).text);
    EXPECT_FALSE(canStep(fresh.session, HistoryStep::Undo));

    // A configuration never saved stays so.
    Opened created(state::New);
    created.doubleClick(col::Repeat);
    ASSERT_TRUE(created.step(HistoryStep::Undo));
    EXPECT_EQ(created.state(), state::New);
}

TEST(History, EachConfigurationHasItsOwnAndClosingDropsIt) {
    Opened o;
    o.session.list.add(ListEntry{"file2", "b.vlz", state::Unchanged, false, listcolour::Open, ""});
    MappingTable& other = o.session.tables.getOrCreate("file2");
    other.append(defaultRow(ButtonEntry{1, "Pad", "PAD"}, colour::ActiveRow));
    o.follow();
    o.doubleClick(col::Repeat);
    o.follow();

    o.session.currentKey = "file2";
    EXPECT_FALSE(canStep(o.session, HistoryStep::Undo));
    o.session.currentKey = "file1";
    EXPECT_TRUE(canStep(o.session, HistoryStep::Undo));

    o.session.tables.remove("file1");
    o.session.list.find("file1")->state = state::Listed;
    o.follow();
    EXPECT_EQ(o.session.histories.find("file1"), nullptr);
    EXPECT_NE(o.session.histories.find("file2"), nullptr);
}

}  // namespace
}  // namespace velloran::testing
