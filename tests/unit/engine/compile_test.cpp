#include <gtest/gtest.h>

#include "engine_fakes.h"
#include "keys/key_step.h"
#include "engine/compiled_mappings.h"

namespace velloran {
namespace {

using testing::row;

DetectedDevice device(const char* identity, int buttons) {
    return DetectedDevice{DeviceKind::Joystick, buttons, identity, identity};
}

CompiledStep stepOf(const char* text, const char* name) {
    CompiledRow row;
    Decode_Scancodes(row, text, name, 1);
    return row.steps[0];
}

TEST(CompileMappings, MapsEachButtonToTheFirstRowOfItsOwnDevice) {
    MappingTable table;
    table.append(row("STICK", 1));  // 0
    table.append(row("pad", 1));    // 1: identity in another case
    table.append(row("PAD", 1));    // 2: a later duplicate loses
    table.append(row("STICK", 2));  // 3
    table.append(row("PAD", 3));    // 4: beyond the pad's buttons
    table.append(row("OTHER", 2));  // 5: no such device
    MappingRow spaced = row("PAD", 2);
    spaced.text = " 2";  // 6: the text must be the number exactly
    table.append(spaced);
    const DetectedDevice devices[] = {device("PAD", 2), device("STICK", 3)};

    const CompiledMappings m = compileMappings(table, devices);
    EXPECT_EQ(m.rowCount(), 7);
    EXPECT_EQ(m.map.row(0, 1), 1);
    EXPECT_EQ(m.map.row(0, 2), ButtonMap::kNoRow);
    EXPECT_EQ(m.map.row(0, 3), ButtonMap::kNoRow);
    EXPECT_EQ(m.map.row(1, 1), 0);
    EXPECT_EQ(m.map.row(1, 2), 3);
    EXPECT_EQ(m.map.row(1, 3), ButtonMap::kNoRow);
    EXPECT_EQ(m.map.row(2, 1), ButtonMap::kNoRow);
}

TEST(CompileMappings, PacksNonBlankStepsFromStepOne) {
    MappingTable table;
    MappingRow r = testing::row("PAD", 1, {{"A", "A"}, {" ", " "}, {"CTRL + C", "C"}},
                               {{" ", " "}, {" ", " "}, {"SHIFT + ", " "}});
    r.cell(col::FirstPress + 15) = Cell{"F1", Tag::text("F1")};
    table.append(r);
    const DetectedDevice devices[] = {device("PAD", 1)};

    const CompiledMappings m = compileMappings(table, devices);
    const CompiledRow& press = m.press[0];
    EXPECT_EQ(press.steps[0], stepOf("A", "A"));
    EXPECT_EQ(press.steps[1], stepOf("CTRL + C", "C"));
    EXPECT_EQ(press.steps[2], stepOf("F1", "F1"));
    for (std::size_t s = 3; s < press.steps.size(); ++s) EXPECT_EQ(press.steps[s], CompiledStep{});
    EXPECT_EQ(m.release[0].steps[0], stepOf("SHIFT + ", " "));
    EXPECT_EQ(m.release[0].steps[1], CompiledStep{});
}

TEST(CompileMappings, ReadsFlagsMultiplierAndLocks) {
    struct Case {
        Tag multiplier;
        int want;
    };
    const Case cases[] = {{Tag::number(2), 2}, {Tag::number(4), 4}, {Tag::number(8), 8},
                          {Tag::text("8"), 8}, {Tag::number(3), 1}, {Tag::number(16), 1},
                          {Tag::number(0), 1}, {Tag(), 1},          {Tag::text("4X"), 1}};
    for (const Case& c : cases) {
        MappingTable table;
        MappingRow r = testing::row("PAD", 1);
        r.cell(col::Multiplier).tag = c.multiplier;
        r.setFlag(col::Rotary, true);
        r.setFlag(col::NumLock, true);
        r.setFlag(col::ScrollLock, true);
        table.append(r);
        const DetectedDevice devices[] = {device("PAD", 1)};

        const RowSettings s = compileMappings(table, devices).settings[0];
        EXPECT_EQ(s, (RowSettings{false, true, c.want, 1, 0, 1})) << c.multiplier.toText();
    }
}

}  // namespace
}  // namespace velloran
