#include <gtest/gtest.h>

#include "common/session.h"
#include "maintenance/swap_devices.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

struct SwapDesk : OpenConfiguration, DeviceChooser {
    std::optional<int> answer;
    int shown = 0;

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
    std::optional<int> chooseDevice(const DeviceInventory&) override {
        ++shown;
        return answer;
    }
    MaintenanceOutcome swap(std::optional<int> device) {
        answer = device;
        return Swap_Devices(session, boxes, *this);
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

    SwapDesk first;  // without a selection, the first row's device
    first.table->selected = -1;
    first.swap(0);
    EXPECT_EQ(first.rows(), (Rows{"1 PAD", "2 old", "9 PAD", "1 PAD"}));
}

TEST(SwapDevices, TheSameDeviceCancelOrNoChangeNothing) {
    SwapDesk same;
    same.table->selected = 3;
    same.session.devices.devices[0].identity = "pad";
    EXPECT_EQ(same.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(same.boxes.shown.back().text, "0 item(s) replaced.");

    SwapDesk d;
    d.boxes.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(d.swap(std::nullopt), MaintenanceOutcome{});
    EXPECT_EQ(d.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(d.shown, 1);
    EXPECT_EQ(d.boxes.shown.size(), 2u) << "the two questions only";
    for (const SwapDesk* desk : {&same, &d}) {
        EXPECT_EQ(desk->rows(), (Rows{"1 OLD", "2 old", "9 OLD", "1 PAD"}));
        EXPECT_EQ(desk->state(), state::Unchanged);
    }
}

TEST(SwapDevices, ChecksDevicesButtonsAndRowsInOrder) {
    SwapDesk c;
    c.session.devices = {};
    c.table->rows().clear();
    c.swap(0);
    c.device("EMPTY", 0);
    c.swap(0);
    c.device("PAD", 2);
    c.swap(0);
    EXPECT_EQ(c.boxes.looks(),
              (std::vector{ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "Replace Error")}));
    EXPECT_NE(c.boxes.shown[0].text, c.boxes.shown[1].text);
    EXPECT_EQ(c.shown, 0);
}

}  // namespace
}  // namespace velloran::testing
