// What a dry run warns about, and its key names.
#include <gtest/gtest.h>

#include "engine/dry_run.h"
#include "engine/dry_run_warnings.h"
#include "common/rows.h"

namespace velloran {
namespace {

using testing::key;
using testing::row;
using Lines = std::vector<std::string>;

Lines warningsFor(const MappingTable& table, const std::string& script) {
    const Result<DryRunScript> parsed = parseDryRunScript(script);
    EXPECT_TRUE(parsed.ok());
    return parsed ? dryRunWarnings(table, parsed.value()) : Lines{};
}

TEST(DryRunWarnings, NameTheDevicesTheScriptAndTheFileDoNotShare) {
    const MappingTable t = testing::table(
        {row("PAD", 1, {key("A")}), row("Board", 1, {key("B")}), row("BOARD", 2, {key("C")})});
    // Identities match without regard to case; each device is named once.
    EXPECT_EQ(warningsFor(t, "device 4 pad\ndevice 2 board\n0 end\n"), Lines{});
    EXPECT_EQ(warningsFor(t, "device 4 pad\ndevice 4 OTHER X\n0 end\n"),
              (Lines{"Warning: device 2 [OTHER] of the events matches no row of the configuration",
                     "Warning: the configuration maps Pad Board [Board], which no \"device\" "
                     "line declares"}));
}

TEST(DryRunKeyNames, NameEachKeyWithHexForKeysWithoutAName) {
    const SentBatch batch{12, {{0x2a, false}, {0x1e, false}, {0x45, false}, {0x1c, true},
                               {0x48, true}, {0x54, false}}};
    EXPECT_EQ(batchLine(batch, true), "12 +SHIFT +A +NUM LOCK -ENTER -UP ARROW +54");
    EXPECT_EQ(batchLine(batch), "12 +2a +1e +45 -1c -48 +54");
}

}  // namespace
}  // namespace velloran
