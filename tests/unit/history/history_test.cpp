#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/session.h"
#include "history/history_commands.h"

namespace velloran::testing {
namespace {

// "file1" open with buttons 1..3 of PAD; the histories follow the session after every command.
struct Opened : OpenConfiguration {
    explicit Opened(int code = state::Unchanged) : OpenConfiguration(code) {
        for (int b = 1; b <= 3; ++b) row(b, "PAD");
        follow();
    }
    void follow() { session.setButtonStates(CommandStates{}); }
    void toggle(int subItem) {
        table->row(1).setFlag(subItem, !table->row(1).flag(subItem));
        session.markChanged();
        follow();
    }
    void step(HistoryStep s) {
        ASSERT_TRUE(stepHistory(session, s));
        follow();
    }
    bool holds(const std::vector<MappingRow>& rows) const {
        return std::ranges::equal(rows, table->rows(),
                                  [](auto& a, auto& b) { return a.sameContent(b); });
    }
};

TEST(History, CellsRemovedAddedAndReorderedRowsAreUndoneAndRedoneWithTheStateCode) {
    const std::pair<const char*, std::function<void(Opened&)>> edits[] = {
        {"a cell", [](Opened& o) { o.table->row(1).setFlag(col::Repeat, true); }},
        {"a row removed", [](Opened& o) { o.table->rows().pop_back(); }},
        {"a row added", [](Opened& o) { o.row(4, "PAD"); }},
        {"rows reordered", [](Opened& o) { std::ranges::reverse(o.table->rows()); }},
    };
    for (const auto& [name, change] : edits) {
        SCOPED_TRACE(name);
        Opened o;
        const std::vector<MappingRow> original = o.table->rows();
        change(o);
        o.session.markChanged();
        o.follow();
        const std::vector<MappingRow> edited = o.table->rows();
        o.step(HistoryStep::Undo);
        EXPECT_TRUE(o.holds(original));
        EXPECT_EQ(o.state(), state::Unchanged);  // back at the rows read from the file
        o.step(HistoryStep::Redo);
        EXPECT_TRUE(o.holds(edited));
        EXPECT_EQ(o.state(), state::Changed);
    }
}

TEST(History, SavedRowsOtherAndNewConfigurations) {
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
    // Each configuration has its own history.
    EXPECT_FALSE(stepHistory(o.session, HistoryStep::Undo) ||
                 canStep(o.session, HistoryStep::Undo));
    o.session.currentKey = "file1";
    EXPECT_TRUE(canStep(o.session, HistoryStep::Undo));

    Opened created(state::New);
    created.toggle(col::Repeat);
    created.step(HistoryStep::Undo);
    EXPECT_EQ(created.state(), state::New);
}

}  // namespace
}  // namespace velloran::testing
