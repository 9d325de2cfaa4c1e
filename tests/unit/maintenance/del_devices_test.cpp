#include <gtest/gtest.h>

#include "maintenance/del_devices.h"
#include "maintenance_fakes.h"

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

// Del Devices, answered Yes, over these rows of an 8-button PAD, with the chooser's answers.
struct DelDesk : OpenConfiguration {
    ScriptedDuplicates chooser;
    MaintenanceOutcome out;
    DelDesk(const Rows& rows, std::deque<DuplicateAnswer> answers, int state = state::Unchanged)
        : OpenConfiguration(state) {
        device("PAD", 8);
        addRows(rows);
        boxes.answers = {Answer::Yes};
        chooser.answers = std::move(answers);
    }
    void run() { out = Del_Devices(session, boxes, chooser); }
    std::string description(int r) const { return table->row(r).cell(col::Description).text; }
};

TEST(DelDevices, KeepsTheChosenRowOfAGroupWhoseDeviceTagsDifferInCase) {
    DelDesk d({"5 PAD", "2 PAD", "5 pad", "5 Pad", "9 PAD"}, {keep(1)});
    d.table->row(2).cell(col::Description).text = "second";
    d.table->selected = 1;
    d.run();
    EXPECT_EQ(d.chooser.offered, (std::vector<Rows>{{"5 PAD", "5 pad", "5 Pad"}}));
    EXPECT_EQ(d.rows(), (Rows{"2 PAD", "5 pad"}));
    EXPECT_EQ(d.description(1), "second");
    EXPECT_EQ(d.table->selected, 0) << "the selection follows its row";
    EXPECT_EQ(d.chooser.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(d.boxes.looks()[0],
              ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo));
    EXPECT_EQ(d.boxes.shown.at(1), (Message{Icon::Information, "Items Removed", report(1, 2)}));
    EXPECT_EQ(d.state(), state::Changed);
    EXPECT_EQ(d.out, (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
}

TEST(DelDevices, RowsKeptBySkipAreOfferedAgainInLaterGroups) {
    // Skip the three rows of button 3; of the two after the first, keep "c"; then keep the first
    // row of button 4.
    DelDesk d({"3 PAD", "3 PAD", "3 PAD", "4 PAD", "4 PAD"}, {kSkip, keep(1), keep(0)});
    d.table->row(2).cell(col::Description).text = "c";
    d.run();
    EXPECT_EQ(
        d.chooser.offered,
        (std::vector<Rows>{{"3 PAD", "3 PAD", "3 PAD"}, {"3 PAD", "3 PAD"}, {"4 PAD", "4 PAD"}}));
    EXPECT_EQ(d.rows(), (Rows{"3 PAD", "3 PAD", "4 PAD"}));
    EXPECT_EQ(d.description(1), "c");
}

TEST(DelDevices, ARowMovingIntoTheExaminedPlaceIsNotExaminedAgain) {
    DelDesk d({"1 PAD", "2 PAD", "1 PAD", "2 PAD"}, {keep(1)});
    d.run();
    EXPECT_EQ(d.rows(), (Rows{"2 PAD", "1 PAD", "2 PAD"}));
}

TEST(DelDevices, SkipAllLeavesLaterDuplicatesButStillRemovesInactiveRows) {
    DelDesk d({"1 PAD", "1 GONE", "1 PAD", "2 PAD", "2 PAD"}, {kSkipAll});
    d.run();
    EXPECT_EQ(d.rows(), (Rows{"1 PAD", "1 PAD", "2 PAD", "2 PAD"}));
    EXPECT_EQ(d.boxes.shown.back().text, report(1, 0));
}

TEST(DelDevices, NothingRemovedLeavesTheStateAndANewConfigurationKeepsItsState) {
    DelDesk d({"1 PAD", "1 STICK", "2 PAD"}, {});
    d.device("STICK", 2);  // present: not a duplicate of the pad's button 1
    for (MappingRow& r : d.table->rows()) r.colour = colour::InactiveRow;  // re-marked anyway
    d.run();
    EXPECT_EQ(d.rows(), (Rows{"1 PAD", "1 STICK", "2 PAD"}));
    EXPECT_EQ(d.table->row(1).colour, colour::ActiveRow);
    EXPECT_EQ(d.boxes.shown.back().text, report(0, 0));
    EXPECT_EQ(d.state(), state::Unchanged);
    EXPECT_EQ(d.out, (MaintenanceOutcome{.tableChanged = true}));

    DelDesk fresh({"1 GONE"}, {}, state::New);
    fresh.run();
    EXPECT_TRUE(fresh.rows().empty());
    EXPECT_EQ(fresh.state(), state::New);
}

TEST(DelDevices, NoAnswerOrNoConfigurationChangesNothing) {
    DelDesk d({"1 GONE", "1 GONE"}, {});
    d.boxes.answers = {Answer::No};
    d.run();
    EXPECT_EQ(d.out, MaintenanceOutcome{});
    EXPECT_EQ(d.rows().size(), 2u);
    d.session.tabs.resetToPlaceholder();
    d.run();
    EXPECT_EQ(d.boxes.shown.size(), 1u) << "no question without an open configuration";
}

}  // namespace
}  // namespace velloran::testing
