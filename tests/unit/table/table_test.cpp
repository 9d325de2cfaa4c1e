#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/rows.h"
#include "table/init_listview.h"
#include "table/refresh_row_states.h"

namespace velloran {
namespace {

struct Tables : ::testing::Test {
    TableDictionary tables;
    DeviceInventory devices;

    TableControlEffects init(TableMode mode, const char* key,
                             const MappingTable* source = nullptr) {
        return init_listview(tables, 0x123456, mode, key, source, devices);
    }
    const MappingTable& table(const char* key) { return *tables.find(key); }
};

TEST_F(Tables, KeysIgnoreCaseAndNewTablesTakeTheLowestFreeIndex) {
    MappingTable& blank = tables.registerTemplate("BLANK");
    MappingTable& first = tables.getOrCreate("file1");
    first.append(MappingRow{});
    first.append(MappingRow{});
    for (const char* key : {"File2", "file3"}) tables.getOrCreate(key);
    EXPECT_FALSE(tables.remove("BLANK"));
    EXPECT_EQ(&tables.registerTemplate("blank"), &blank);
    EXPECT_EQ(&tables.getOrCreate("FILE1"), &first);
    EXPECT_EQ(first.rowCount(), 0);
    EXPECT_GT(first.append(MappingRow{}).id, 2u) << "row identities are not handed out twice";
    EXPECT_TRUE(tables.remove("fILE2"));
    for (const char* key : {"file4", "file5"}) tables.getOrCreate(key);
    std::set<std::pair<std::string, int>> seen;
    for (const auto& entry : tables) seen.emplace(entry.key, entry.index);
    EXPECT_EQ(seen, (std::set<std::pair<std::string, int>>{
                        {"blank", 0}, {"file1", 1}, {"file4", 2}, {"file3", 3}, {"file5", 4}}));
}

TEST_F(Tables, RowsAreActiveForAPresentDeviceWithThatButton) {
    devices.add(DetectedDevice{DeviceKind::Joystick, 4, "PAD", "Pad"});
    devices.add(DetectedDevice{DeviceKind::Hid, 2, "hid:board", "Board", 0});
    using testing::row;
    const std::pair<MappingRow, bool> rows[] = {
        {row("Pad", 4), true},         // identity in other case, the last button
        {row("HID:BOARD", 2), true},   // a HID identity in other case
        {row("hid:board", 3), false},  // above the HID board's button count
        {row("STICK", 1), false},      // device missing
        {row("PA", 1), false},         // identity only a prefix
    };
    MappingTable table;
    for (const auto& [r, active] : rows) {  // each row starts as it must not end
        table.append(r).cell(col::Description).tag = Tag::boolean(!active);
    }
    refresh_row_states(table, devices);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(table.row(r).active(), rows[r].second) << r;
}

TEST_F(Tables, EachModeFillsTheTableAndSaysWhichCommandsItAllows) {
    auto fx = init(TableMode::Template, "BLANK");
    EXPECT_FALSE(table("BLANK").enabled);
    EXPECT_EQ(fx.comRec, false);
    EXPECT_EQ(init(TableMode::FromDevices, "file1").comTest, false);

    devices.add(DetectedDevice{DeviceKind::Joystick, 2, "{guid-a}", "Stick A"});
    devices.add(DetectedDevice{DeviceKind::Hid, 1, "hid:7", "Board B", 0});
    fx = init(TableMode::FromDevices, "file2");
    EXPECT_EQ(fx.comTest, true);
    const MappingTable& t = table("file2");
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.row(1).text, "2");
    EXPECT_EQ(t.row(2).cell(col::DeviceId), (Cell{"Board B", Tag::text("hid:7")}));
}

TEST_F(Tables, CloneReplacesTheTargetWithActiveCopiesOfTheSourceRows) {
    MappingTable source;
    MappingRow& inactive = source.append(testing::row("PAD", 5));
    inactive.cell(col::Description) = Cell{"Fire", Tag::boolean(false)};
    devices.add(DetectedDevice{DeviceKind::Joystick, 3, "PAD", "Pad"});
    init(TableMode::FromDevices, "file2");
    init(TableMode::Clone, "file2", &source);
    ASSERT_EQ(table("file2").rowCount(), 1);
    MappingRow expected = inactive;
    expected.cell(col::Description).tag = Tag::boolean(true);
    EXPECT_TRUE(table("file2").row(0).sameContent(expected));
    EXPECT_FALSE(source.row(0).active()) << "the source is left as it was";
    init(TableMode::Clone, "file2", nullptr);
    EXPECT_EQ(table("file2").rowCount(), 0);
}

}  // namespace
}  // namespace velloran
