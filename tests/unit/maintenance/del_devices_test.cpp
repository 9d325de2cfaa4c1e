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


Message report(const std::string& text) {
    return Message{Icon::Information, "Items Removed", text};
}

TEST(DelDevices, KeepsTheChosenRowOfAGroupWhoseDeviceTagsDifferInCase) {
    OpenConfiguration c;
    c.device("PAD", 8);
    c.row(5, "PAD", "first");
    c.row(2, "PAD");
    c.row(5, "pad", "second").setFlag(col::Rotary, true);
    c.row(5, "Pad", "third");
    c.row(9, "PAD");  // above the pad's 8 buttons
    c.table->selected = 1;
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;
    chooser.answers = {keep(1)};

    const MaintenanceOutcome out = Del_Devices(c.session, c.boxes, chooser);

    EXPECT_EQ(chooser.offered, (std::vector<Rows>{{"5 PAD", "5 pad", "5 Pad"}}));
    EXPECT_EQ(c.rows(), (Rows{"2 PAD", "5 pad"}));
    EXPECT_EQ(c.table->row(1).cell(col::Description).text, "second");
    EXPECT_TRUE(c.table->row(1).flag(col::Rotary));
    EXPECT_FALSE(c.table->row(0).flag(col::Rotary));
    EXPECT_EQ(c.table->selected, 0) << "the selection follows its row";
    EXPECT_EQ(chooser.busy, (std::vector<bool>{true, false}));
    ASSERT_EQ(c.boxes.shown.size(), 2u);
    EXPECT_EQ(c.boxes.looks()[0],
              ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo));
    EXPECT_EQ(c.boxes.shown[1],
              report("1 inactive item(s) removed.\r\n2 duplicate item(s) removed."));
    EXPECT_EQ(c.state(), state::Changed);
    EXPECT_EQ(out, (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
}

TEST(DelDevices, RowsKeptBySkipAreOfferedAgainInLaterGroups) {
    OpenConfiguration c;
    c.device("PAD", 8);
    c.row(3, "PAD", "a");
    c.row(3, "PAD", "b");
    c.row(3, "PAD", "c");
    c.row(4, "PAD");
    c.row(4, "PAD");
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;
    // Skip the three rows of button 3; of the two after the first, keep "c"; then keep the first
    // row of button 4.
    chooser.answers = {kSkip, keep(1), keep(0)};

    Del_Devices(c.session, c.boxes, chooser);

    EXPECT_EQ(
        chooser.offered,
        (std::vector<Rows>{{"3 PAD", "3 PAD", "3 PAD"}, {"3 PAD", "3 PAD"}, {"4 PAD", "4 PAD"}}));
    EXPECT_EQ(c.rows(), (Rows{"3 PAD", "3 PAD", "4 PAD"}));
    EXPECT_EQ(c.table->row(0).cell(col::Description).text, "a");
    EXPECT_EQ(c.table->row(1).cell(col::Description).text, "c");
    EXPECT_EQ(c.boxes.shown.back(),
              report("0 inactive item(s) removed.\r\n2 duplicate item(s) removed."));
}

TEST(DelDevices, ARowMovingIntoTheExaminedPlaceIsNotExaminedAgain) {
    OpenConfiguration c;
    c.device("PAD", 8);
    c.row(1, "PAD");
    c.row(2, "PAD");
    c.row(1, "PAD");
    c.row(2, "PAD");
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;
    chooser.answers = {keep(1)};

    Del_Devices(c.session, c.boxes, chooser);

    EXPECT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(c.rows(), (Rows{"2 PAD", "1 PAD", "2 PAD"}));
}

TEST(DelDevices, SkipAllLeavesLaterDuplicatesButStillRemovesInactiveRows) {
    OpenConfiguration c;
    c.device("PAD", 4);
    c.row(1, "PAD");
    c.row(1, "GONE");
    c.row(1, "PAD");
    c.row(2, "PAD");
    c.row(2, "PAD");
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;
    chooser.answers = {kSkipAll};

    Del_Devices(c.session, c.boxes, chooser);

    EXPECT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(c.rows(), (Rows{"1 PAD", "1 PAD", "2 PAD", "2 PAD"}));
    EXPECT_EQ(c.boxes.shown.back(),
              report("1 inactive item(s) removed.\r\n0 duplicate item(s) removed."));
    EXPECT_EQ(c.state(), state::Changed);
}

TEST(DelDevices, NothingToRemoveReportsZeroesAndLeavesTheConfigurationUnchanged) {
    OpenConfiguration c;
    c.device("PAD", 4);
    c.row(1, "PAD");
    c.row(1, "STICK");  // present below: not a duplicate of the pad's button 1
    c.row(2, "PAD");
    c.device("STICK", 2);
    for (MappingRow& r : c.table->rows()) r.colour = colour::InactiveRow;  // re-marked anyway
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;

    const MaintenanceOutcome out = Del_Devices(c.session, c.boxes, chooser);

    EXPECT_EQ(c.rows(), (Rows{"1 PAD", "1 STICK", "2 PAD"}));
    for (const MappingRow& r : c.table->rows()) EXPECT_EQ(r.colour, colour::ActiveRow);
    EXPECT_EQ(c.boxes.shown.back(),
              report("0 inactive item(s) removed.\r\n0 duplicate item(s) removed."));
    EXPECT_EQ(c.state(), state::Unchanged);
    EXPECT_EQ(out, (MaintenanceOutcome{.tableChanged = true}));
}

TEST(DelDevices, NeverSavedConfigurationKeepsItsState) {
    OpenConfiguration c(state::New);
    c.row(1, "GONE");
    c.boxes.answers = {Answer::Yes};
    ScriptedDuplicates chooser;
    Del_Devices(c.session, c.boxes, chooser);
    EXPECT_TRUE(c.rows().empty());
    EXPECT_EQ(c.state(), state::New);
}

TEST(DelDevices, NoAnswerOrNoConfigurationChangesNothing) {
    OpenConfiguration c;
    c.row(1, "GONE");
    c.row(1, "GONE");
    c.boxes.answers = {Answer::No};
    ScriptedDuplicates chooser;
    EXPECT_EQ(Del_Devices(c.session, c.boxes, chooser), MaintenanceOutcome{});
    EXPECT_EQ(c.rows().size(), 2u);
    EXPECT_EQ(c.boxes.shown.size(), 1u);
    EXPECT_TRUE(chooser.busy.empty());

    c.session.tabs.resetToPlaceholder();
    EXPECT_EQ(Del_Devices(c.session, c.boxes, chooser), MaintenanceOutcome{});
    EXPECT_EQ(c.boxes.shown.size(), 1u) << "no question without an open configuration";
}

}  // namespace
}  // namespace velloran::testing
