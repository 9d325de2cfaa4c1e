#include <gtest/gtest.h>

#include "maintenance/add_devices.h"
#include "maintenance_fakes.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

Message report(const std::string& text) {
    return Message{Icon::Information, "List Updated", text};
}

TEST(AddDevices, MissingButtonsFollowTheNearestLowerButtonOfTheirDevice) {
    struct Case {
        const char* name;
        Rows before;  // "button identity"; PAD has 12 buttons, STICK 3
        Rows after;
        int added;
    };
    const Case cases[] = {
        {"buttons 11 and 12 after button 10",
         {"1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD", "9 PAD", "10 PAD",
          "1 STICK", "2 STICK", "3 STICK"},
         {"1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD", "9 PAD", "10 PAD",
          "11 PAD", "12 PAD", "1 STICK", "2 STICK", "3 STICK"},
         2},
        {"a missing button 1 goes to the top of the table",
         {"1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD", "9 PAD", "10 PAD",
          "11 PAD", "12 PAD", "2 STICK", "3 STICK"},
         {"1 STICK", "1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD",
          "9 PAD", "10 PAD", "11 PAD", "12 PAD", "2 STICK", "3 STICK"},
         1},
        {"gaps filled after the row met last for the lower button, in any order",
         {"3 STICK", "1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD",
          "9 PAD", "10 PAD", "11 PAD", "12 PAD", "1 STICK", "1 stick"},
         {"3 STICK", "1 PAD", "2 PAD", "3 PAD", "4 PAD", "5 PAD", "6 PAD", "7 PAD", "8 PAD",
          "9 PAD", "10 PAD", "11 PAD", "12 PAD", "1 STICK", "1 stick", "2 STICK"},
         1},
    };
    for (const Case& k : cases) {
        OpenConfiguration c;
        c.device("PAD", 12);
        c.device("STICK", 3);
        for (const std::string& r : k.before) {
            const std::size_t blank = r.find(' ');
            c.row(std::stoi(r.substr(0, blank)), r.substr(blank + 1).c_str());
        }
        c.boxes.answers = {Answer::Yes};

        const MaintenanceOutcome out = Add_Devices(c.session, c.boxes);

        EXPECT_EQ(c.rows(), k.after) << k.name;
        EXPECT_EQ(c.boxes.shown.back(), report(std::to_string(k.added) +
                                               " missing item(s) added.\r\n0 new device(s) added."))
            << k.name;
        EXPECT_EQ(out, (MaintenanceOutcome{true, true, true})) << k.name;
        EXPECT_EQ(c.state(), state::Changed) << k.name;
    }
}

TEST(AddDevices, AddedRowsAreDefaultRowsOfTheButtonTable) {
    OpenConfiguration c;
    c.device("PAD", 2, "Game Pad");
    c.row(1, "PAD").setFlag(col::Repeat, true);
    c.table->selected = 0;
    c.boxes.answers = {Answer::Yes};

    Add_Devices(c.session, c.boxes);

    ASSERT_EQ(c.table->rowCount(), 2);
    const MappingRow& added = c.table->row(1);
    EXPECT_TRUE(
        added.sameContent(defaultRow(ButtonEntry{2, "Game Pad", "PAD"}, colour::ActiveRow)));
    EXPECT_NE(added.id, c.table->row(0).id);
    EXPECT_TRUE(c.table->row(0).flag(col::Repeat));
    EXPECT_EQ(c.table->selected, 0);
}

TEST(AddDevices, DevicesTheTableDoesNotListAreAppendedWhole) {
    OpenConfiguration c;
    c.device("PAD", 3);
    c.device("KNOB", 1);  // a single button is never added as a new device
    c.device("BOARD", 2);
    c.row(4, "PAD");  // above the pad's buttons: inactive, so the pad is not listed
    c.row(7, "pad");
    c.row(1, "GONE");
    c.boxes.answers = {Answer::Yes};

    Add_Devices(c.session, c.boxes);

    EXPECT_EQ(c.rows(),
              (Rows{"4 PAD", "7 pad", "1 GONE", "1 PAD", "2 PAD", "3 PAD", "1 BOARD", "2 BOARD"}));
    EXPECT_EQ(c.table->row(0).colour, colour::InactiveRow);
    EXPECT_EQ(c.table->row(3).colour, colour::ActiveRow);
    EXPECT_EQ(c.boxes.shown.back(), report("0 missing item(s) added.\r\n2 new device(s) added."));
}

TEST(AddDevices, CompleteTableReportsZeroesAndStaysUnchanged) {
    OpenConfiguration c;
    c.device("PAD", 2);
    c.row(1, "PAD");
    c.row(2, "PAD");
    c.boxes.answers = {Answer::Yes};
    EXPECT_EQ(Add_Devices(c.session, c.boxes), (MaintenanceOutcome{true, true, false}));
    EXPECT_EQ(c.boxes.shown.back(), report("0 missing item(s) added.\r\n0 new device(s) added."));
    EXPECT_EQ(c.state(), state::Unchanged);
}

TEST(AddDevices, AsksFirstAndNeedsADevice) {
    OpenConfiguration c;
    c.row(1, "PAD");
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    EXPECT_EQ(c.boxes.looks(), std::vector{ScriptedBoxes::look(Icon::Information, "Add Devices")});

    c.device("PAD", 3);
    c.boxes.shown.clear();
    c.boxes.answers = {Answer::No};
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    EXPECT_EQ(c.boxes.looks(),
              std::vector{ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo)});
    EXPECT_EQ(c.rows(), (Rows{"1 PAD"}));
}

}  // namespace
}  // namespace velloran::testing
