#include <gtest/gtest.h>

#include <deque>

#include "common/session.h"
#include "maintenance/del_devices.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;
constexpr DuplicateAnswer kSkip{DuplicateChoice::Skip};
constexpr DuplicateAnswer kSkipAll{DuplicateChoice::SkipAll};
DuplicateAnswer keep(int position) {
    return {DuplicateChoice::Ok, position};
}

std::string report(int inactive, int duplicates) {
    return std::to_string(inactive) + " inactive item(s) removed.\r\n" +
           std::to_string(duplicates) + " duplicate item(s) removed.";
}

// Del Devices, answered Yes, over rows of an 8-button PAD described "a", "b", ... in order; the
// chooser answers from a script and records each group offered by description ("acd").
struct DelDesk : OpenConfiguration, DuplicateChooser {
    std::deque<DuplicateAnswer> answers;
    Rows offered;
    std::vector<bool> busy;
    MaintenanceOutcome out;

    DelDesk(const Rows& rows, std::deque<DuplicateAnswer> script, int state = state::Unchanged)
        : OpenConfiguration(state), answers(std::move(script)) {
        device("PAD", 8);
        addRows(rows);
        for (int r = 0; r < table->rowCount(); ++r) description(r) = std::string(1, static_cast<char>('a' + r));
        boxes.answers = {Answer::Yes};
    }
    CellText& description(int r) { return table->row(r).cell(col::Description).text; }
    std::string kept() {
        std::string s;
        for (int r = 0; r < table->rowCount(); ++r) s += description(r).view();
        return s;
    }
    void run() { out = Del_Devices(session, boxes, *this); }

    DuplicateAnswer chooseDuplicate(const MappingTable&, const std::vector<int>& group) override {
        std::string rows;
        for (int r : group) rows += description(r).view();
        offered.push_back(rows);
        if (answers.empty()) ADD_FAILURE() << "unexpected group " << rows;
        if (answers.empty()) return {};
        const DuplicateAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showBusy(bool on) override { busy.push_back(on); }
};

TEST(DelDevices, RemovesInactiveRowsAndTheDuplicatesNotChosen) {
    struct Case {
        Rows rows;
        std::deque<DuplicateAnswer> answers;
        Rows offered;
        const char* kept;
        int inactive, duplicates;
    };
    const Case cases[] = {
        // Device tags differing in case are the same device; 9 is above the pad's buttons.
        {{"5 PAD", "2 PAD", "5 pad", "5 Pad", "9 PAD"}, {keep(1)}, {"acd"}, "bc", 1, 2},
        // Rows kept by Skip are offered again in later groups.
        {{"3 PAD", "3 PAD", "3 PAD", "4 PAD", "4 PAD"},
         {kSkip, keep(1), keep(0)},
         {"abc", "bc", "de"},
         "acd",
         0,
         2},
        // A row moving into the examined place is not examined again.
        {{"1 PAD", "2 PAD", "1 PAD", "2 PAD"}, {keep(1)}, {"ac"}, "bcd", 0, 1},
        {{"1 PAD", "1 GONE", "1 PAD", "2 PAD", "2 PAD"}, {kSkipAll}, {"ac"}, "acde", 1, 0},
        // STICK is present: its button 1 is no duplicate of the pad's.
        {{"1 PAD", "1 STICK", "2 PAD"}, {}, {}, "abc", 0, 0},
    };
    for (const Case& c : cases) {
        DelDesk d(c.rows, c.answers);
        d.device("STICK", 2);
        for (MappingRow& r : d.table->rows()) r.colour = colour::InactiveRow;  // re-marked anyway
        d.run();
        EXPECT_EQ(d.offered, c.offered) << c.kept;
        EXPECT_EQ(d.kept(), c.kept);
        EXPECT_EQ(d.boxes.shown.back().text, report(c.inactive, c.duplicates)) << c.kept;
        const bool removed = c.inactive + c.duplicates > 0;
        EXPECT_EQ(d.state(), removed ? state::Changed : state::Unchanged) << c.kept;
        EXPECT_EQ(d.out, (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = removed}));
        EXPECT_EQ(d.table->row(0).colour, colour::ActiveRow);
    }
}

TEST(DelDevices, AsksFirstKeepsTheSelectedRowAndANewConfigurationsState) {
    DelDesk d({"1 PAD", "1 GONE", "2 PAD"}, {});
    d.table->selected = 2;
    d.run();
    EXPECT_EQ(d.table->selected, 1) << "the selection follows its row";
    EXPECT_EQ(d.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(d.boxes.looks(),
              (std::vector{ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo),
                           ScriptedBoxes::look(Icon::Information, "Items Removed")}));

    d.boxes.answers = {Answer::No};
    d.addRows({"1 GONE"});
    d.run();
    EXPECT_EQ(d.out, MaintenanceOutcome{});
    EXPECT_EQ(d.rows().size(), 3u);
    d.session.tabs.resetToPlaceholder();
    d.run();
    EXPECT_EQ(d.boxes.shown.size(), 3u) << "no question without an open configuration";

    DelDesk fresh({"1 GONE"}, {}, state::New);
    fresh.run();
    EXPECT_TRUE(fresh.rows().empty());
    EXPECT_EQ(fresh.state(), state::New);
}

}  // namespace
}  // namespace velloran::testing
