#include <gtest/gtest.h>

#include "table/default_rows.h"
#include "table/init_listview.h"

namespace velloran {
namespace {

DetectedDevice device(std::string identity, std::string display, int buttons) {
    return DetectedDevice{DeviceKind::Joystick, buttons, std::move(identity), std::move(display)};
}

struct TableInit : ::testing::Test {
    TableDictionary tables;
    DeviceInventory devices;

    TableControlEffects init(TableMode mode, const char* key, const MappingTable* source = nullptr,
                             std::uint32_t colour = colour::TableBackground) {
        return init_listview(tables, colour, mode, key, source, devices);
    }
    const MappingTable& table(const char* key) { return *tables.find(key); }
};

TEST_F(TableInit, TemplateIsDisabledAndEmptyModeLeavesTheControlsAlone) {
    auto fx = init(TableMode::Template, "BLANK", nullptr, colour::TemplateBackground);
    EXPECT_FALSE(tables.tableAt(0)->enabled);
    EXPECT_EQ(tables.tableAt(0)->background, colour::TemplateBackground);
    EXPECT_EQ(fx.comRec, false);
    EXPECT_TRUE(fx.clearRecordingAndTesting);

    devices.add(device("PAD", "Pad", 2));
    init(TableMode::FromDevices, "file1");
    fx = init(TableMode::Empty, "FILE1");
    EXPECT_EQ(table("file1").rowCount(), 0);
    EXPECT_TRUE(table("file1").enabled);
    EXPECT_FALSE(fx.comRec.has_value());
    EXPECT_EQ(fx.shownIndex, 1);
}

TEST_F(TableInit, FromDevicesAddsADefaultRowPerButtonAndWithoutDevicesNoSwapOrTest) {
    auto fx = init(TableMode::FromDevices, "file0");
    EXPECT_EQ(table("file0").rowCount(), 0);
    EXPECT_EQ(fx.comSwap, false);
    EXPECT_EQ(fx.comTest, false);

    devices.add(device("{guid-a}", "Stick A", 2));
    devices.add(device("hid:7", "Board B", 1));
    fx = init(TableMode::FromDevices, "file1", nullptr, 0x123456);
    EXPECT_EQ(fx.comTest, true);
    const MappingTable& t = table("file1");
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
}

TEST_F(TableInit, CloneMarksEveryRowActiveAndKeepsTextsColoursAndTagKinds) {
    MappingTable source;
    MappingRow inactive = defaultRow(ButtonEntry{5, "Pad", "PAD"}, colour::InactiveRow);
    inactive.cell(col::Description) = Cell{"Fire", Tag::boolean(false)};
    inactive.cell(col::Multiplier) = Cell{"3X", Tag::text("3")};  // as read from a file
    inactive.cell(col::Repeat) = Cell{"On", Tag::text("True")};
    inactive.icon = 2;
    source.append(inactive);

    devices.add(device("PAD", "Pad", 3));
    init(TableMode::FromDevices, "file2");
    init(TableMode::Clone, "file2", &source);
    ASSERT_EQ(table("file2").rowCount(), 1) << "what the target held is replaced";
    const MappingRow& to = table("file2").row(0);
    EXPECT_EQ(to.colour, colour::InactiveRow);
    EXPECT_EQ(to.icon, 1);
    EXPECT_EQ(to.cell(col::Description), (Cell{"Fire", Tag::boolean(true)}));
    for (int c = 1; c < col::Count; ++c) {
        if (c == col::Description) continue;
        EXPECT_EQ(to.cell(c), inactive.cell(c)) << headerText(c);
        EXPECT_EQ(to.cell(c).tag.kind(), inactive.cell(c).tag.kind()) << headerText(c);
    }
    EXPECT_FALSE(source.row(0).active()) << "the source is left as it was";
    init(TableMode::Clone, "file2", nullptr);
    EXPECT_EQ(table("file2").rowCount(), 0);
}

}  // namespace
}  // namespace velloran
