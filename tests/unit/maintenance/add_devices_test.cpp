#include <gtest/gtest.h>

#include "maintenance/add_devices.h"
#include "maintenance_fakes.h"

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

std::string report(int missing, int devices) {
    return std::to_string(missing) + " missing item(s) added.\r\n" + std::to_string(devices) +
           " new device(s) added.";
}

TEST(AddDevices, MissingButtonsFollowTheNearestLowerButtonOfTheirDevice) {
    struct Case {
        Rows before, after;  // PAD has 12 buttons, STICK 3
    };
    const Rows stick = buttons(1, 3, "STICK");
    const Case cases[] = {
        {buttons(1, 10, "PAD") + stick, buttons(1, 12, "PAD") + stick},
        // A missing button 1 goes to the top of the table.
        {buttons(1, 12, "PAD") + buttons(2, 3, "STICK"),
         Rows{"1 STICK"} + buttons(1, 12, "PAD") + buttons(2, 3, "STICK")},
        // Gaps are filled after the row met last for the lower button, in any order.
        {Rows{"3 STICK"} + buttons(1, 12, "PAD") + Rows{"1 STICK", "1 stick"},
         Rows{"3 STICK"} + buttons(1, 12, "PAD") + Rows{"1 STICK", "1 stick", "2 STICK"}},
    };
    for (const Case& k : cases) {
        OpenConfiguration c;
        c.device("PAD", 12);
        c.device("STICK", 3);
        c.addRows(k.before);
        c.boxes.answers = {Answer::Yes};
        EXPECT_EQ(Add_Devices(c.session, c.boxes), (MaintenanceOutcome{true, true, true}));
        EXPECT_EQ(c.rows(), k.after);
        EXPECT_EQ(c.boxes.shown.back().text,
                  report(static_cast<int>(k.after.size() - k.before.size()), 0));
        EXPECT_EQ(c.state(), state::Changed);
    }
}

TEST(AddDevices, DevicesTheTableDoesNotListAreAppendedWholeAsDefaultRows) {
    OpenConfiguration c;
    c.device("PAD", 3, "Game Pad");
    c.device("KNOB", 1);  // a single button is never added as a new device
    c.device("BOARD", 2);
    c.addRows({"4 PAD", "7 pad", "1 GONE"});  // 4: above the pad's buttons, so PAD is not listed
    c.boxes.answers = {Answer::Yes};
    Add_Devices(c.session, c.boxes);
    EXPECT_EQ(c.rows(),
              (Rows{"4 PAD", "7 pad", "1 GONE", "1 PAD", "2 PAD", "3 PAD", "1 BOARD", "2 BOARD"}));
    EXPECT_TRUE(c.table->row(4).sameContent(
        defaultRow(ButtonEntry{2, "Game Pad", "PAD"}, colour::ActiveRow)));
    EXPECT_EQ(c.boxes.shown.back().text, report(0, 2));
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
    EXPECT_EQ(c.boxes.shown.back(), (Message{Icon::Information, "List Updated", report(0, 0)}));
    EXPECT_EQ(c.state(), state::Unchanged);
}

}  // namespace
}  // namespace velloran::testing
