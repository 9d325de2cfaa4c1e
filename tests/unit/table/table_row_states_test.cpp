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
        std::uint32_t before;
        bool active;
    };
    const Case cases[] = {
        {"exact identity", 1, "PAD", colour::InactiveRow, true},
        {"identity in other case", 4, "Pad", colour::InactiveRow, true},
        {"HID identity in other case", 2, "HID:BOARD", colour::InactiveRow, true},
        {"button above the HID board's count", 3, "hid:board", colour::SelectedRow, false},
        {"device missing", 1, "STICK", colour::ActiveRow, false},
        {"identity only a prefix", 1, "PA", colour::ActiveRow, false},
    };
    MappingTable table;
    for (const Case& c : cases) {
        MappingRow row = defaultRow(ButtonEntry{c.button, "shown", c.identity}, c.before);
        row.cell(col::Description).tag = Tag::boolean(!c.active);
        table.append(row);
    }

    refresh_row_states(table, devices);
    for (int r = 0; r < table.rowCount(); ++r) {
        const Case& c = cases[r];
        const MappingRow& row = table.row(r);
        EXPECT_EQ(row.active(), c.active) << c.name;
        EXPECT_EQ(row.colour, c.active ? colour::ActiveRow : colour::InactiveRow) << c.name;
    }
}

}  // namespace
}  // namespace velloran
