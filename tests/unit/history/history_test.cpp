#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/session.h"
#include "history/history_commands.h"

namespace velloran::testing {
namespace {

// "file1" open with buttons 1..3 of PAD; the histories have seen it opened.
struct Opened : OpenConfiguration {
    explicit Opened(int code = state::Unchanged) : OpenConfiguration(code) {
        for (int b = 1; b <= 3; ++b) row(b, "PAD");
        follow();
    }
    void follow() { session.setButtonStates(CommandStates{}); }  // after every command
    // An edit as the table's handlers make it: a flag of row 1 toggled, the session told.
    void toggle(int subItem) {
        table->row(1).setFlag(subItem, !table->row(1).flag(subItem));
        session.markChanged();
        follow();
    }
    void step(HistoryStep s) {
        ASSERT_TRUE(stepHistory(session, s));
        follow();
    }
    std::vector<std::string> contents() const {
        std::vector<std::string> out;
        for (const MappingRow& r : table->rows()) {
            for (const Cell& c : r.sub) out.push_back(r.text + c.text + "=" + c.tag.toText());
        }
        return out;
    }
};

TEST(History, CellsRemovedAddedAndReorderedRowsAreUndoneAndRedoneWithTheStateCode) {
    const std::pair<const char*, std::function<void(Opened&)>> edits[] = {
        {"a cell", [](Opened& o) { o.table->row(1).setFlag(col::Repeat, true); }},
        {"a row removed", [](Opened& o) { o.table->rows().pop_back(); }},
        {"a row added", [](Opened& o) { o.row(4, "PAD"); }},
        {"rows reordered", [](Opened& o) { std::ranges::reverse(o.table->rows()); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        Opened o;
        const auto original = o.contents();
        edit(o);
        o.session.markChanged();
        o.follow();
        const auto edited = o.contents();
        o.step(HistoryStep::Undo);
        EXPECT_EQ(o.contents(), original);
        EXPECT_EQ(o.state(), state::Unchanged);  // back at the rows read from the file
        EXPECT_FALSE(canStep(o.session, HistoryStep::Undo));
        o.step(HistoryStep::Redo);
        EXPECT_EQ(o.contents(), edited);
        EXPECT_EQ(o.state(), state::Changed);
        EXPECT_FALSE(canStep(o.session, HistoryStep::Redo));
    }
}

TEST(History, SavedRowsNewConfigurationsEmptyEditsAndClosing) {
    Opened o;
    o.toggle(col::Repeat);
    o.session.list.find("file1")->state = state::Unchanged;  // what a save leaves
    o.follow();
    o.toggle(col::Rotary);
    o.session.recording = true;
    EXPECT_FALSE(stepHistory(o.session, HistoryStep::Undo));
    o.session.recording = false;
    o.step(HistoryStep::Undo);
    EXPECT_EQ(o.state(), state::Unchanged);  // the saved rows, not the opened ones
    o.step(HistoryStep::Undo);
    o.toggle(col::NumLock);  // forgets the redo steps, and with them the saved rows
    EXPECT_FALSE(canStep(o.session, HistoryStep::Redo));
    o.step(HistoryStep::Undo);
    o.step(HistoryStep::Redo);
    EXPECT_EQ(o.state(), state::Changed);
    o.session.list.add(ListEntry{"file2", "b.vlz", state::Unchanged, false, listcolour::Open, ""});
    o.session.tables.getOrCreate("file2");
    o.session.currentKey = "file2";
    o.follow();
    EXPECT_FALSE(canStep(o.session, HistoryStep::Undo));  // each configuration has its own
    o.session.currentKey = "file1";
    EXPECT_TRUE(canStep(o.session, HistoryStep::Undo));
    o.session.list.find("file1")->state = state::Listed;  // closed
    o.session.tables.remove("file1");
    o.follow();
    EXPECT_FALSE(canStep(o.session, HistoryStep::Undo));

    Opened created(state::New);
    created.session.markChanged();  // a key decoded outside the step columns writes nothing
    EXPECT_FALSE(canStep(created.session, HistoryStep::Undo));
    created.toggle(col::Repeat);
    created.step(HistoryStep::Undo);
    EXPECT_EQ(created.state(), state::New);
}

TEST(History, ABigTableKeepsFewerSteps) {
    MappingTable table;
    for (int r = 0; r < 7'000; ++r) table.append(MappingRow{});
    TableHistory history(table);
    for (const char* text : {"a", "b", "c", "d"}) {
        table.row(0).text = text;
        history.record(table);
    }
    int undone = 0;
    while (history.undo(table)) ++undone;
    EXPECT_EQ(undone, 2);  // 20,000 rows kept: two snapshots of 7,000
    EXPECT_EQ(table.row(0).text, "b");
}

}  // namespace
}  // namespace velloran::testing
