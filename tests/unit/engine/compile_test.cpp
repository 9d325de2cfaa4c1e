#include <gtest/gtest.h>

#include "engine/compiled_mappings.h"
#include "engine_fakes.h"
#include "keys/key_step.h"

namespace velloran {
namespace {

using testing::row;

DetectedDevice device(const char* identity, int buttons) {
    return DetectedDevice{DeviceKind::Joystick, buttons, identity, identity};
}

CompiledStep stepOf(const char* text, const char* name) {
    CompiledRow r;
    Decode_Scancodes(r, text, name, 1);
    return r.steps[0];
}

TEST(CompileMappings, MapsEachButtonToTheFirstRowOfItsOwnDevice) {
    MappingRow spaced = row("PAD", 2);
    spaced.text = " 2";  // the text must be the number exactly
    const MappingTable table =
        testing::table({row("STICK", 1), row("pad", 1), row("PAD", 1), row("STICK", 2),
                        row("PAD", 3), row("OTHER", 2), spaced});
    const DetectedDevice devices[] = {device("PAD", 2), device("STICK", 3)};
    const CompiledMappings m = compileMappings(table, devices);
    const int no = ButtonMap::kNoRow;
    const int want[2][3] = {{1, no, no}, {0, 3, no}};
    for (int d = 0; d < 2; ++d) {
        for (int b = 1; b <= 3; ++b) EXPECT_EQ(m.map.row(d, b), want[d][b - 1]) << d << b;
    }
}

TEST(CompileMappings, PacksNonBlankStepsAndReadsTheSettings) {
    MappingRow r = row("PAD", 1, {{"A", "A"}, testing::kBlank, {"CTRL + C", "C"}},
                       {testing::kBlank, {"SHIFT + ", " "}});
    r.cell(col::FirstPress + 15) = Cell{"F1", Tag::text("F1")};
    r.setFlag(col::Rotary, true);
    r.setFlag(col::NumLock, true);
    const DetectedDevice devices[] = {device("PAD", 1)};
    const CompiledMappings m = compileMappings(testing::table({r}), devices);
    const std::vector<CompiledStep> press(m.press[0].steps.begin(), m.press[0].steps.begin() + 4);
    EXPECT_EQ(press, (std::vector{stepOf("A", "A"), stepOf("CTRL + C", "C"), stepOf("F1", "F1"),
                                  CompiledStep{}}));
    EXPECT_EQ(m.release[0].steps[0], stepOf("SHIFT + ", " "));
    EXPECT_EQ(m.settings[0], (RowSettings{false, true, 1, 1, 0, 0}));

    for (const auto& [tag, want] : {std::pair{Tag::text("8"), 8},
                                    {Tag::number(3), 1},
                                    {Tag::number(16), 1},
                                    {Tag::text("4X"), 1}}) {
        r.cell(col::Multiplier).tag = tag;
        EXPECT_EQ(compileMappings(testing::table({r}), devices).settings[0].multiplier, want)
            << tag.toText();
    }
}

}  // namespace
}  // namespace velloran
