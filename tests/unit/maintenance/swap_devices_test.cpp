#include <gtest/gtest.h>

#include "maintenance/swap_devices.h"
#include "maintenance_fakes.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

struct SwapDesk : OpenConfiguration {
    ScriptedDeviceChooser chooser;

    SwapDesk() {
        device("PAD", 4, "Game Pad");
        device("STICK", 2, "Flight Stick");
        // "old" differs only in case: not the selected row's device; button 9 is above the
        // stick's buttons and replaced all the same.
        addRows({"1 OLD", "2 old", "9 OLD", "1 PAD"});
        table->selected = 2;
        for (MappingRow& r : table->rows()) r.colour = colour::InactiveRow;
        boxes.answers = {Answer::Yes};
    }
    MaintenanceOutcome swap(std::optional<int> device) {
        chooser.answer = device;
        return Swap_Devices(session, boxes, chooser);
    }
};

TEST(SwapDevices, ReplacesTheRowsOfTheSelectedRowsDeviceExactly) {
    SwapDesk d;
    EXPECT_EQ(d.swap(1), (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
    EXPECT_EQ(d.rows(), (Rows{"1 STICK", "2 old", "9 STICK", "1 PAD"}));
    EXPECT_EQ(d.table->row(2).cell(col::DeviceId).text, "Flight Stick");
    EXPECT_EQ(d.table->row(0).colour, colour::ActiveRow);
    EXPECT_EQ(d.table->row(1).colour, colour::InactiveRow);
    EXPECT_EQ(d.boxes.looks().front(),
              ScriptedBoxes::look(Icon::Question, "Replace Confirmation", Buttons::YesNo));
    EXPECT_EQ(d.boxes.shown.back(),
              (Message{Icon::Information, "Device Replaced", "2 item(s) replaced."}));
    EXPECT_EQ(d.state(), state::Changed);
}

TEST(SwapDevices, TheFirstRowWithoutASelectionAndTheSameDeviceInAnyCase) {
    SwapDesk d;
    d.table->selected = -1;
    d.swap(0);
    EXPECT_EQ(d.rows(), (Rows{"1 PAD", "2 old", "9 PAD", "1 PAD"}));

    SwapDesk same;
    same.table->selected = 3;
    same.session.devices.devices[0].identity = "pad";
    EXPECT_EQ(same.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(same.boxes.shown.back().text, "0 item(s) replaced.");
    EXPECT_EQ(same.state(), state::Unchanged);
}

TEST(SwapDevices, CancelOrNoChangesNothingAndReportsNothing) {
    SwapDesk d;
    d.boxes.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(d.swap(std::nullopt), MaintenanceOutcome{});
    EXPECT_EQ(d.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(d.chooser.shown, 1);
    EXPECT_EQ(d.boxes.shown.size(), 2u) << "the two questions only";
    EXPECT_EQ(d.rows(), (Rows{"1 OLD", "2 old", "9 OLD", "1 PAD"}));
}

TEST(SwapDevices, ChecksDevicesButtonsAndRowsInOrder) {
    OpenConfiguration c;
    ScriptedDeviceChooser chooser;
    Swap_Devices(c.session, c.boxes, chooser);
    c.device("EMPTY", 0);
    Swap_Devices(c.session, c.boxes, chooser);
    c.device("PAD", 2);
    Swap_Devices(c.session, c.boxes, chooser);
    EXPECT_EQ(c.boxes.looks(),
              (std::vector{ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "Replace Error")}));
    EXPECT_NE(c.boxes.shown[0].text, c.boxes.shown[1].text);
    EXPECT_EQ(chooser.shown, 0);
}

}  // namespace
}  // namespace velloran::testing
