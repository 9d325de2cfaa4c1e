#include <gtest/gtest.h>

#include "common/session.h"
#include "maintenance/add_devices.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

// "first identity" .. "last identity".
Rows buttons(int first, int last, const std::string& identity) {
    Rows out;
    for (int b = first; b <= last; ++b) out.push_back(std::to_string(b) + " " + identity);
    return out;
}
Rows operator+(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Missing buttons follow the nearest lower button of their device; devices the table does not
// list (a single button aside) are appended whole.
TEST(AddDevices, AddsMissingButtonsAfterTheirNeighbourAndUnlistedDevicesAtTheEnd) {
    struct Case {
        Rows before, after;  // PAD has 12 buttons, STICK 3, KNOB 1
        const char* report;
    };
    const Rows stick = buttons(1, 3, "STICK");
    const Case cases[] = {
        {buttons(1, 10, "PAD") + stick, buttons(1, 12, "PAD") + stick, "2 missing item(s) added.\r\n0"},
        // A missing button 1 goes to the top of the table.
        {buttons(1, 12, "PAD") + buttons(2, 3, "STICK"),
         Rows{"1 STICK"} + buttons(1, 12, "PAD") + buttons(2, 3, "STICK"), "1 missing"},
        // Gaps are filled after the row met last for the lower button, in any order.
        {Rows{"3 STICK"} + buttons(1, 12, "PAD") + Rows{"1 STICK", "1 stick"},
         Rows{"3 STICK"} + buttons(1, 12, "PAD") + Rows{"1 STICK", "1 stick", "2 STICK"},
         "1 missing"},
        // 13 is above the pad's buttons, so the pad is not listed.
        {Rows{"13 PAD", "1 GONE"} + stick, Rows{"13 PAD", "1 GONE"} + stick + buttons(1, 12, "PAD"),
         "0 missing item(s) added.\r\n1 new device(s) added."},
    };
    for (const Case& k : cases) {
        OpenConfiguration c;
        c.device("PAD", 12, "Game Pad");
        c.device("STICK", 3);
        c.device("KNOB", 1);
        c.addRows(k.before);
        c.boxes.answers = {Answer::Yes};
        EXPECT_EQ(Add_Devices(c.session, c.boxes), (MaintenanceOutcome{true, true, true}));
        EXPECT_EQ(c.rows(), k.after);
        EXPECT_TRUE(c.boxes.shown.back().text.starts_with(k.report)) << c.boxes.shown.back().text;
        EXPECT_EQ(c.state(), state::Changed);
    }
    OpenConfiguration c;
    c.device("PAD", 2, "Game Pad");
    c.boxes.answers = {Answer::Yes};
    Add_Devices(c.session, c.boxes);
    EXPECT_TRUE(c.table->row(1).sameContent(
        defaultRow(ButtonEntry{2, "Game Pad", "PAD"}, colour::ActiveRow)));
}

TEST(AddDevices, AsksFirstNeedsADeviceAndLeavesACompleteTableUnchanged) {
    OpenConfiguration c;
    c.addRows({"1 PAD", "2 PAD"});
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    EXPECT_EQ(c.boxes.looks(), std::vector{ScriptedBoxes::look(Icon::Information, "Add Devices")});

    c.device("PAD", 2);
    c.boxes.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    EXPECT_EQ(c.boxes.looks().back(),
              ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo));
    EXPECT_EQ(Add_Devices(c.session, c.boxes), (MaintenanceOutcome{true, true, false}));
    EXPECT_EQ(c.boxes.shown.back(),
              (Message{Icon::Information, "List Updated",
                       "0 missing item(s) added.\r\n0 new device(s) added."}));
    EXPECT_EQ(c.state(), state::Unchanged);
}

}  // namespace
}  // namespace velloran::testing
