#include <gtest/gtest.h>

#include "table/default_rows.h"
#include "table/refresh_row_states.h"

namespace velloran {
namespace {

TEST(RefreshRowStates, MarksEveryRowAgainstThePresentDevices) {
    DeviceInventory devices;
    devices.add(DetectedDevice{DeviceKind::Joystick, 4, "PAD", "Pad"});
    devices.add(DetectedDevice{DeviceKind::Hid, 2, "hid:board", "Board", 0});
    struct Case {
        const char* name;
        int button;
        const char* identity;
        bool active;
    };
    const Case cases[] = {
        {"identity in other case", 4, "Pad", true},
        {"HID identity in other case", 2, "HID:BOARD", true},
        {"button above the HID board's count", 3, "hid:board", false},
        {"device missing", 1, "STICK", false},
        {"identity only a prefix", 1, "PA", false},
    };
    MappingTable table;
    for (const Case& c : cases) {
        MappingRow& row = table.append(defaultRow(ButtonEntry{c.button, "shown", c.identity}, 0));
        row.cell(col::Description).tag = Tag::boolean(!c.active);
    }
    refresh_row_states(table, devices);
    for (int r = 0; r < table.rowCount(); ++r) {
        const Case& c = cases[r];
        EXPECT_EQ(table.row(r).active(), c.active) << c.name;
        EXPECT_EQ(table.row(r).colour, c.active ? colour::ActiveRow : colour::InactiveRow)
            << c.name;
    }
}

}  // namespace
}  // namespace velloran
