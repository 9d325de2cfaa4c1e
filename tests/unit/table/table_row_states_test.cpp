#include <gtest/gtest.h>

#include "common/rows.h"
#include "table/refresh_row_states.h"

namespace velloran {
namespace {

TEST(RefreshRowStates, MarksEveryRowAgainstThePresentDevices) {
    DeviceInventory devices;
    devices.add(DetectedDevice{DeviceKind::Joystick, 4, "PAD", "Pad"});
    devices.add(DetectedDevice{DeviceKind::Hid, 2, "hid:board", "Board", 0});
    using testing::row;
    MappingTable table = testing::table({
        row("Pad", 4),        // identity in other case, the last button
        row("HID:BOARD", 2),  // a HID identity in other case
        row("hid:board", 3),  // above the HID board's button count
        row("STICK", 1),      // device missing
        row("PA", 1),         // identity only a prefix
    });
    const std::vector<bool> active = {true, true, false, false, false};
    for (int r = 0; r < table.rowCount(); ++r) {  // each row starts as it must not end
        table.row(r).cell(col::Description).tag = Tag::boolean(!active[r]);
        table.row(r).colour = 0;
    }
    refresh_row_states(table, devices);
    for (int r = 0; r < table.rowCount(); ++r) {
        EXPECT_EQ(table.row(r).active(), active[r]) << r;
        EXPECT_EQ(table.row(r).colour, active[r] ? colour::ActiveRow : colour::InactiveRow) << r;
    }
}

}  // namespace
}  // namespace velloran
