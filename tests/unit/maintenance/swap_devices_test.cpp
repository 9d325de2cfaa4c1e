#include <gtest/gtest.h>

#include "maintenance/swap_devices.h"
#include "maintenance_fakes.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

Message report(int count) {
    return Message{Icon::Information, "Device Replaced",
                   std::to_string(count) + " item(s) replaced."};
}

struct SwapDesk : OpenConfiguration {
    ScriptedDeviceChooser chooser;

    SwapDesk() {
        device("PAD", 4, "Game Pad");
        device("STICK", 2, "Flight Stick");
        row(1, "OLD");
        row(2, "old");  // differs only in case: not the selected row's device
        row(9, "OLD");  // above the stick's buttons, replaced all the same
        row(1, "PAD");
        table->selected = 2;
        for (MappingRow& r : table->rows()) r.colour = colour::InactiveRow;
    }
};

TEST(SwapDevices, ReplacesTheRowsOfTheSelectedRowsDeviceExactly) {
    SwapDesk d;
    d.boxes.answers = {Answer::Yes};
    d.chooser.answer = 1;

    const MaintenanceOutcome out = Swap_Devices(d.session, d.boxes, d.chooser);

    EXPECT_EQ(d.rows(), (Rows{"1 STICK", "2 old", "9 STICK", "1 PAD"}));
    for (int r : {0, 2}) {
        const MappingRow& row = d.table->row(r);
        EXPECT_EQ(row.cell(col::DeviceId).text, "Flight Stick");
        EXPECT_EQ(row.colour, colour::ActiveRow);
        EXPECT_TRUE(row.cell(col::Description).tag.isTrue());
    }
    EXPECT_EQ(d.table->row(1).cell(col::DeviceId).text, "Name of old");
    EXPECT_EQ(d.table->row(1).colour, colour::InactiveRow);
    EXPECT_EQ(d.boxes.looks().front(),
              ScriptedBoxes::look(Icon::Question, "Replace Confirmation", Buttons::YesNo));
    EXPECT_EQ(d.boxes.shown.back(), report(2));
    EXPECT_EQ(d.state(), state::Changed);
    EXPECT_EQ(out, (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
}

TEST(SwapDevices, TheSameDeviceInAnyCaseReplacesNothing) {
    SwapDesk d;
    d.table->selected = 3;
    d.session.devices.devices[0].identity = "pad";
    d.boxes.answers = {Answer::Yes};
    d.chooser.answer = 0;
    EXPECT_EQ(Swap_Devices(d.session, d.boxes, d.chooser), MaintenanceOutcome{});
    EXPECT_EQ(d.rows(), (Rows{"1 OLD", "2 old", "9 OLD", "1 PAD"}));
    EXPECT_EQ(d.boxes.shown.back(), report(0));
    EXPECT_EQ(d.state(), state::Unchanged);
}

TEST(SwapDevices, WithoutASelectionTheFirstRowsDeviceIsReplaced) {
    SwapDesk d;
    d.table->selected = -1;
    d.boxes.answers = {Answer::Yes};
    d.chooser.answer = 0;
    Swap_Devices(d.session, d.boxes, d.chooser);
    EXPECT_EQ(d.rows(), (Rows{"1 PAD", "2 old", "9 PAD", "1 PAD"}));
}

TEST(SwapDevices, CancelOrNoChangesNothingAndReportsNothing) {
    SwapDesk d;
    d.boxes.answers = {Answer::Yes, Answer::No};
    d.chooser.answer = std::nullopt;
    EXPECT_EQ(Swap_Devices(d.session, d.boxes, d.chooser), MaintenanceOutcome{});
    EXPECT_EQ(Swap_Devices(d.session, d.boxes, d.chooser), MaintenanceOutcome{});
    EXPECT_EQ(d.chooser.shown, 1);
    EXPECT_EQ(d.boxes.shown.size(), 2u) << "the two questions only";
    EXPECT_EQ(d.rows(), (Rows{"1 OLD", "2 old", "9 OLD", "1 PAD"}));
    EXPECT_EQ(d.state(), state::Unchanged);
}

TEST(SwapDevices, ChecksDevicesButtonsAndRowsInOrder) {
    const Message noDevices{Icon::Exclamation, "No Input Devices Found",
                            "No valid input devices were found!\r\n\r\nYour input devices must be "
                            "properly connected\r\nand working before proceeding."};
    const Message noButtons{Icon::Exclamation, "No Input Devices Found",
                            "No buttons found on input device(s)!\r\n\r\nYour device(s) must "
                            "have at least one button\r\nbefore proceeding."};
    const Message noRows{Icon::Exclamation, "Replace Error", "No items to replace."};

    OpenConfiguration c;
    ScriptedDeviceChooser chooser;
    Swap_Devices(c.session, c.boxes, chooser);
    c.device("EMPTY", 0);
    Swap_Devices(c.session, c.boxes, chooser);
    c.device("PAD", 2);
    Swap_Devices(c.session, c.boxes, chooser);
    EXPECT_EQ(c.boxes.shown, (std::vector<Message>{noDevices, noButtons, noRows}));

    c.row(1, "PAD");
    c.session.tabs.resetToPlaceholder();
    Swap_Devices(c.session, c.boxes, chooser);
    EXPECT_EQ(c.boxes.shown.size(), 3u) << "nothing without an open configuration";
    EXPECT_EQ(chooser.shown, 0);
}

}  // namespace
}  // namespace velloran::testing
