#include <gtest/gtest.h>

#include "table/default_rows.h"
#include "table/init_listview.h"

namespace velloran {
namespace {

struct TableInit : ::testing::Test {
    TableDictionary tables;
    DeviceInventory devices;

    TableControlEffects init(TableMode mode, const char* key, const MappingTable* source = nullptr,
                             std::uint32_t colour = colour::TableBackground) {
        return init_listview(tables, colour, mode, key, source, devices);
    }
    const MappingTable& table(const char* key) { return *tables.find(key); }
};

TEST_F(TableInit, EachModeFillsTheTableAndSaysWhatBecomesOfTheControls) {
    auto fx = init(TableMode::Template, "BLANK", nullptr, colour::TemplateBackground);
    EXPECT_FALSE(table("BLANK").enabled);
    EXPECT_EQ(table("BLANK").background, colour::TemplateBackground);
    EXPECT_EQ(fx.comRec, false);
    EXPECT_TRUE(fx.clearRecordingAndTesting);

    fx = init(TableMode::FromDevices, "file1");
    EXPECT_EQ(table("file1").rowCount(), 0);
    EXPECT_EQ(fx.comSwap, false);
    EXPECT_EQ(fx.comTest, false);

    devices.add(DetectedDevice{DeviceKind::Joystick, 2, "{guid-a}", "Stick A"});
    devices.add(DetectedDevice{DeviceKind::Hid, 1, "hid:7", "Board B", 0});
    fx = init(TableMode::FromDevices, "file2", nullptr, 0x123456);
    EXPECT_EQ(fx.comTest, true);
    const MappingTable& t = table("file2");
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.row(1).text, "2");
    EXPECT_EQ(t.row(2).cell(col::DeviceId), (Cell{"Board B", Tag::text("hid:7")}));
    EXPECT_EQ(t.row(2).colour, 0x123456u);
    const MappingRow& row = t.row(0);
    for (int c : {col::Repeat, col::Rotary, col::NumLock, col::CapsLock, col::ScrollLock}) {
        EXPECT_EQ(row.cell(c), (Cell{"Off", Tag::boolean(false)})) << headerText(c);
    }
    EXPECT_EQ(row.cell(col::Multiplier), (Cell{"1X", Tag::number(1)}));
    EXPECT_EQ(row.cell(col::Description), (Cell{" ", Tag::boolean(true)}));
    EXPECT_EQ(row.cell(col::LastStep), (Cell{" ", Tag::text(" ")}));

    fx = init(TableMode::Empty, "FILE2");
    EXPECT_EQ(t.rowCount(), 0);
    EXPECT_TRUE(t.enabled);
    EXPECT_FALSE(fx.comRec.has_value());
    EXPECT_EQ(fx.shownIndex, 2);
}

TEST_F(TableInit, CloneMarksEveryRowActiveAndKeepsTextsColoursAndTags) {
    MappingTable source;
    MappingRow& inactive = source.append(defaultRow(ButtonEntry{5, "Pad", "PAD"}, 0x654321));
    inactive.cell(col::Description) = Cell{"Fire", Tag::boolean(false)};
    inactive.cell(col::Multiplier) = Cell{"3X", Tag::text("3")};  // as read from a file
    inactive.icon = 2;

    devices.add(DetectedDevice{DeviceKind::Joystick, 3, "PAD", "Pad"});
    init(TableMode::FromDevices, "file2");
    init(TableMode::Clone, "file2", &source);
    ASSERT_EQ(table("file2").rowCount(), 1) << "what the target held is replaced";
    const MappingRow& to = table("file2").row(0);
    EXPECT_EQ(to.colour, 0x654321u);
    EXPECT_EQ(to.icon, 1);
    EXPECT_EQ(to.cell(col::Description), (Cell{"Fire", Tag::boolean(true)}));
    for (int c = 1; c < col::Count; ++c) {
        if (c == col::Description) continue;
        EXPECT_EQ(to.cell(c), inactive.cell(c)) << headerText(c);
    }
    EXPECT_FALSE(source.row(0).active()) << "the source is left as it was";
    init(TableMode::Clone, "file2", nullptr);
    EXPECT_EQ(table("file2").rowCount(), 0);
}

}  // namespace
}  // namespace velloran
