// `--dry-run` wiring of key names and of the device warnings.
#include <gtest/gtest.h>

#include "file_format/configuration_file.h"
#include "common/rows.h"
#include "runvale_process.h"

namespace runvale_test {
namespace {

using velloran::testing::row;

TEST(DryRunCli, NamesKeysAndWarnsOfADeviceTheFileDoesNotMap) {
    const TempFolder dir;
    const std::string file = dir.path("a.vlz").string();
    writeBytes(file, velloran::serializeConfiguration({row("PAD", 1, {{"SHIFT + A", "A"}})}));
    const std::string events = dir.path("events.txt").string();
    writeBytes(events, "device 2 PAD\ndevice 2 STICK\n0 down 1 1\n30 end\n");
    const ProgramRun run = runRunvale({"--dry-run", events, file, "--names"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0 +SHIFT +A\n0 -A -SHIFT\n");
    EXPECT_NE(run.err.find("Warning: device 2 [STICK]"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace runvale_test
