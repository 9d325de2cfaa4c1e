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
};

TEST_F(TableInit, TemplateIsDisabledGreyAndTurnsTheRowCommandsOff) {
    const auto fx = init(TableMode::Template, "BLANK", nullptr, colour::TemplateBackground);
    const MappingTable* blank = tables.tableAt(0);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(tables.find("blank"), blank);
    EXPECT_EQ(blank->background, 0xCED3D6u);
    EXPECT_FALSE(blank->enabled);
    EXPECT_EQ(blank->rowCount(), 0);
    for (const auto& command : {fx.comDel, fx.comRec, fx.comSwap, fx.comTest, fx.tabStrip1}) {
        EXPECT_EQ(command, false);
    }
    EXPECT_TRUE(fx.clearRecordingAndTesting);
    EXPECT_EQ(fx.shownIndex, 0);
}

TEST_F(TableInit, EmptyModeEmptiesTheTableAndLeavesTheControlsAlone) {
    init(TableMode::Template, "BLANK", nullptr, colour::TemplateBackground);
    devices.add(device("PAD", "Pad", 2));
    init(TableMode::FromDevices, "file1");
    const auto fx = init(TableMode::Empty, "FILE1");
    const MappingTable* table = tables.find("file1");
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_TRUE(table->enabled);
    EXPECT_EQ(table->background, colour::TableBackground);
    for (const auto& command : {fx.comDel, fx.comRec, fx.comSwap, fx.comTest, fx.tabStrip1}) {
        EXPECT_FALSE(command.has_value());
    }
    EXPECT_FALSE(fx.clearRecordingAndTesting);
    EXPECT_EQ(fx.shownIndex, 1);
}

TEST_F(TableInit, FromDevicesWithoutDevicesGivesAnEmptyTableAndNoSwapOrTest) {
    init(TableMode::Template, "BLANK", nullptr, colour::TemplateBackground);
    const auto fx = init(TableMode::FromDevices, "file1");
    EXPECT_EQ(tables.find("file1")->rowCount(), 0);
    EXPECT_EQ(fx.comDel, true);
    EXPECT_EQ(fx.comRec, true);
    EXPECT_EQ(fx.comSwap, false);
    EXPECT_EQ(fx.comTest, false);
    EXPECT_EQ(fx.tabStrip1, true);
    EXPECT_FALSE(fx.clearRecordingAndTesting);
    EXPECT_EQ(fx.shownIndex, 1);
}

TEST_F(TableInit, FromDevicesAddsADefaultRowPerButtonInButtonTableOrder) {
    devices.add(device("{guid-a}", "Stick A", 2));
    devices.add(device("hid:7", "Board B", 1));
    const auto fx = init(TableMode::FromDevices, "file1", nullptr, 0x123456);
    EXPECT_EQ(fx.comSwap, true);
    EXPECT_EQ(fx.comTest, true);

    const MappingTable& table = *tables.find("file1");
    ASSERT_EQ(table.rowCount(), 3);
    struct Expected {
        const char* button;
        const char* display;
        const char* identity;
    };
    const Expected expected[] = {
        {"1", "Stick A", "{guid-a}"}, {"2", "Stick A", "{guid-a}"}, {"1", "Board B", "hid:7"}};
    for (int r = 0; r < 3; ++r) {
        const MappingRow& row = table.row(r);
        SCOPED_TRACE(r);
        EXPECT_EQ(row.text, expected[r].button);
        EXPECT_EQ(row.cell(col::DeviceId),
                  (Cell{expected[r].display, Tag::text(expected[r].identity)}));
        EXPECT_EQ(row.colour, 0x123456u);
        EXPECT_EQ(row.icon, 1);
    }
    EXPECT_EQ(table.background, 0x123456u);
    EXPECT_NE(table.row(0).id, table.row(1).id);

    const MappingRow& row = table.row(0);
    for (int c : {col::Repeat, col::Rotary, col::NumLock, col::CapsLock, col::ScrollLock}) {
        EXPECT_EQ(row.cell(c), (Cell{"Off", Tag::boolean(false)})) << headerText(c);
    }
    EXPECT_EQ(row.cell(col::Multiplier), (Cell{"1X", Tag::number(1)}));
    EXPECT_EQ(row.cell(col::Description), (Cell{" ", Tag::boolean(true)}));
    for (int c = col::FirstPress; c <= col::LastStep; ++c) {
        EXPECT_EQ(row.cell(c), (Cell{" ", Tag::text(" ")})) << headerText(c);
    }
}

TEST_F(TableInit, CloneMarksEveryRowActiveAndKeepsTextsColoursAndTagKinds) {
    MappingTable source;
    MappingRow inactive = defaultRow(ButtonEntry{5, "Pad", "PAD"}, colour::InactiveRow);
    inactive.cell(col::Description) = Cell{"Fire", Tag::boolean(false)};
    inactive.cell(col::Multiplier) = Cell{"3X", Tag::text("3")};  // as read from a file
    inactive.cell(col::FirstPress) = Cell{"CTRL + A", Tag::text("1,30")};
    inactive.icon = 2;
    source.append(inactive);
    MappingRow textFlag = defaultRow(ButtonEntry{6, "Pad", "PAD"}, colour::SelectedRow);
    textFlag.cell(col::Description).tag = Tag::text("False");
    textFlag.cell(col::Repeat) = Cell{"On", Tag::text("True")};
    source.append(textFlag);

    const auto fx = init(TableMode::Clone, "file2", &source);
    EXPECT_FALSE(fx.comDel.has_value());
    const MappingTable& clone = *tables.find("file2");
    ASSERT_EQ(clone.rowCount(), 2);
    for (int r = 0; r < 2; ++r) {
        SCOPED_TRACE(r);
        const MappingRow& from = source.row(r);
        const MappingRow& to = clone.row(r);
        EXPECT_EQ(to.text, from.text);
        EXPECT_EQ(to.colour, from.colour);
        EXPECT_EQ(to.icon, 1);
        EXPECT_EQ(to.cell(col::Description),
                  (Cell{from.cell(col::Description).text, Tag::boolean(true)}));
        for (int c = 1; c < col::Count; ++c) {
            if (c == col::Description) continue;
            EXPECT_EQ(to.cell(c), from.cell(c)) << headerText(c);
            EXPECT_EQ(to.cell(c).tag.kind(), from.cell(c).tag.kind()) << headerText(c);
        }
    }
    EXPECT_FALSE(source.row(0).active()) << "the source is left as it was";
}

TEST_F(TableInit, CloneReplacesWhatTheTargetHeldAndCopiesNothingWithoutSource) {
    devices.add(device("PAD", "Pad", 3));
    init(TableMode::FromDevices, "file1");
    MappingTable source;
    source.append(defaultRow(ButtonEntry{9, "Pad", "PAD"}, colour::ActiveRow));

    init(TableMode::Clone, "file1", &source);
    ASSERT_EQ(tables.find("file1")->rowCount(), 1);
    EXPECT_EQ(tables.find("file1")->row(0).text, "9");

    init(TableMode::Clone, "file1", nullptr);
    EXPECT_EQ(tables.find("file1")->rowCount(), 0);
}

}  // namespace
}  // namespace velloran
