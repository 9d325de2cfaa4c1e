#include <gtest/gtest.h>

#include "editing/table_sort.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

// A table whose rows are (button text, device text), in this order.
Desk deskOf(const std::vector<std::pair<std::string, std::string>>& rows) {
    Desk d(0);
    for (const auto& [button, device] : rows) {
        MappingRow row = testing::padTable(1).row(0);
        row.text = button;
        row.cell(col::DeviceId).text = device;
        d.table.append(row);
    }
    return d;
}

std::vector<std::string> order(const MappingTable& table) {
    std::vector<std::string> out;
    for (const MappingRow& r : table.rows()) out.push_back(r.cell(col::DeviceId).text + r.text);
    return out;
}

TEST(TableSort, DeviceIdFlipsTheOrderAndKeepsEqualRowsInPlace) {
    Desk d = deskOf({{"1", "stick"}, {"2", "Pad"}, {"3", "stick"}, {"4", "pad"}});
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_TRUE(d.table.sortDescending);
    EXPECT_EQ(order(d.table), (std::vector<std::string>{"stick1", "stick3", "Pad2", "pad4"}));
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kDeviceIdHeader));
    EXPECT_FALSE(d.table.sortDescending);
    EXPECT_EQ(order(d.table), (std::vector<std::string>{"Pad2", "pad4", "stick1", "stick3"}));
    EXPECT_EQ(d.host.count("modified"), 2);
}

TEST(TableSort, ButtonNumberOrdersNumericallyWithinEachDevice) {
    Desk d = deskOf({{"10", "pad"}, {"x", "pad"}, {"9", "pad"}, {"2", "axe"}, {"1", "axe"}});
    d.table.sortDescending = true;  // so the device sort that follows is ascending
    ASSERT_TRUE(ListView3_ColumnClick(d.editing(), kButtonNoHeader));
    EXPECT_EQ(order(d.table), (std::vector<std::string>{"axe1", "axe2", "padx", "pad9", "pad10"}));
}

TEST(TableSort, SelectionFollowsItsRow) {
    Desk d = deskOf({{"1", "b"}, {"2", "a"}, {"3", "c"}});
    d.table.selected = 0;
    ListView3_ColumnClick(d.editing(), kDeviceIdHeader);  // descending: c, b, a
    EXPECT_EQ(d.table.selected, 1);
}

TEST(TableSort, OtherHeadersDoNothing) {
    Desk d = deskOf({{"2", "b"}, {"1", "a"}});
    EXPECT_FALSE(ListView3_ColumnClick(d.editing(), 3));
    EXPECT_EQ(order(d.table), (std::vector<std::string>{"b2", "a1"}));
    EXPECT_TRUE(d.host.calls.empty());
}

}  // namespace
}  // namespace velloran
