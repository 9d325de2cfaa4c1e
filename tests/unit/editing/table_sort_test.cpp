#include <gtest/gtest.h>

#include "editing/table_sort.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;
using Texts = std::vector<std::string>;

// A table whose rows are (button text, device text), in this order.
Desk deskOf(const std::vector<std::pair<std::string, std::string>>& rows) {
    Desk d(0);
    for (const auto& [button, device] : rows) {
        MappingRow& row = d.table.append(testing::padTable(1).row(0));
        row.text = button;
        row.cell(col::DeviceId).text = device;
    }
    return d;
}

Texts order(const MappingTable& table) {
    Texts out;
    for (const MappingRow& r : table.rows()) out.push_back(r.cell(col::DeviceId).text + r.text);
    return out;
}

TEST(TableSort, DeviceIdFlipsTheOrderKeepingEqualRowsInPlaceAndTheSelectedRowSelected) {
    Desk d = deskOf({{"1", "stick"}, {"2", "Pad"}, {"3", "stick"}, {"4", "pad"}});
    d.table.selected = 1;
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_EQ(order(d.table), (Texts{"stick1", "stick3", "Pad2", "pad4"}));
    EXPECT_EQ(d.table.selected, 2);
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_EQ(order(d.table), (Texts{"Pad2", "pad4", "stick1", "stick3"}));
    EXPECT_EQ(d.host.log, "modified, modified");
}

TEST(TableSort, ButtonNumberOrdersNumericallyWithinEachDeviceAndOtherHeadersDoNothing) {
    Desk d = deskOf({{"10", "pad"}, {"x", "pad"}, {"9", "pad"}, {"2", "axe"}, {"1", "axe"}});
    EXPECT_FALSE(ListView3_ColumnClick(d.editing(), 3));
    EXPECT_EQ(d.host.log, "");
    d.table.sortDescending = true;  // so the device sort that follows is ascending
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kButtonNoHeader));
    EXPECT_EQ(order(d.table), (Texts{"axe1", "axe2", "padx", "pad9", "pad10"}));
}

}  // namespace
}  // namespace velloran
