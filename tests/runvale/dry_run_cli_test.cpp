#include <gtest/gtest.h>

#include <filesystem>

#include "file_format/configuration_file.h"
#include "rows.h"
#include "runvale_process.h"

namespace runvale_test {
namespace {

using velloran::rows::key;
using velloran::rows::row;

// A configuration in a folder whose name has blanks, as users name them.
std::string writeConfiguration(const TempDir& dir, std::vector<velloran::MappingRow> rows) {
    std::filesystem::create_directories(dir.path("my configs"));
    const std::string path = dir.path("my configs/Day One.vlz").string();
    writeBytes(path, velloran::serializeConfiguration(rows));
    return path;
}

TEST(DryRunCli, PrintsOneLinePerBatchAndNothingElse) {
    const TempDir dir;
    const std::string file = writeConfiguration(dir, {row("PAD", 1, {{"SHIFT + A", "A"}})});
    const std::string events = dir.path("events.txt").string();
    writeBytes(events, "device 2 PAD Test Pad\n0 down 1 1\n20 up 1 1\n30 end\n");
    // The press at 0 sends SHIFT+A down; the 5 ms hold brings the release batch to 5. The
    // release macro is empty.
    const ProgramRun run = runRunvale({"--dry-run", events, file, "--hold-ms", "5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0 +2a +1e\n5 -1e -2a\n");
    EXPECT_EQ(run.err, "");
}

TEST(DryRunCli, FailuresGoToStandardErrorWithStatusTwo) {
    const TempDir dir;
    const std::string file = writeConfiguration(dir, {row("PAD", 1, {key("A")})});
    const std::string badEvents = dir.path("bad.txt").string();
    writeBytes(badEvents, "device 2 PAD\n0 press 1 1\n10 end\n");
    const std::string goodEvents = dir.path("good.txt").string();
    writeBytes(goodEvents, "device 2 PAD\n10 end\n");

    struct Case {
        std::vector<std::string> args;
        std::string inErr;
    };
    const Case cases[] = {
        {{"--dry-run", badEvents, file}, "line 2: unknown item \"press\""},
        {{"--dry-run", dir.path("none.txt").string(), file}, "none.txt"},
        {{"--dry-run", goodEvents, fixture("not_a_config.txt")}, ": "},
        {{"--dry-run", goodEvents, dir.path("missing.vlz").string()}, ": "},
    };
    for (const Case& c : cases) {
        const ProgramRun run = runRunvale(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[1] << ' ' << c.args[2];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
    }
}

TEST(DryRunCli, TimingOptionsBelongToTheDryRun) {
    const ProgramRun run = runRunvale({"--hold-ms", "5", "x.vlz"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace runvale_test
