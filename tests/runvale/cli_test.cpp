// The command line: help, malformed command lines refused before any file is touched, the dry
// run's output and failures, the device list.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/rows.h"
#include "file_format/configuration_file.h"
#include "runvale_process.h"

namespace runvale_test {
namespace {

using velloran::testing::key;
using velloran::testing::row;

TEST(Cli, HelpListsTheCommands) {
    const ProgramRun run = runRunvale({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--dump"), std::string::npos) << run.out;
}

TEST(Cli, MalformedCommandLinesAreRefused) {
    const TempFolder dir;
    const std::string out = dir.path("out.vlz").string();
    const std::string in = fixture("v1_4.vlz");
    const std::vector<std::vector<std::string>> lines = {
        {"--dump", in, "--upgrade", in, out},  // one command a run
        {"--upgrade", in},                     // needs IN and OUT
        {"--no-such-option"},
        {"--poll-ms", "0", in},  // out of range
        {"--dry-run", in},       // no FILE
        {"--hold-ms", "5", in},  // timing options belong to the dry run
    };
    for (const auto& args : lines) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ProgramRun run = runRunvale(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out.find('{'), std::string::npos) << run.out;  // no dump printed
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Cli, DryRunPrintsOneLinePerBatchAndFailsWithStatusTwo) {
    const TempFolder dir;
    std::filesystem::create_directories(dir.path("my configs"));
    const std::string file = dir.path("my configs/Day One.vlz").string();
    writeBytes(file, velloran::serializeConfiguration({row("PAD", 1, {{"SHIFT + A", "A"}})}));
    const std::string events = dir.path("events.txt").string();
    writeBytes(events, "device 2 PAD Test Pad\n0 down 1 1\n20 up 1 1\n30 end\n");
    const ProgramRun run = runRunvale({"--dry-run", events, file, "--hold-ms", "5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0 +2a +1e\n5 -1e -2a\n");
    EXPECT_EQ(run.err, "");

    const std::string bad = dir.path("bad.txt").string();
    writeBytes(bad, "device 2 PAD\n0 press 1 1\n10 end\n");
    for (const auto& [args, inErr] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--dry-run", bad, file}, "line 2: unknown item \"press\""},
             {{"--dry-run", events, fixture("not_a_config.txt")}, ": "}}) {
        const ProgramRun failed = runRunvale(args);
        EXPECT_EQ(failed.exitCode, 2);
        EXPECT_EQ(failed.out, "");
        EXPECT_NE(failed.err.find(inErr), std::string::npos) << failed.err;
    }
}

TEST(Cli, AFileThatDoesNotLoadEndsTheRunWithStatusTwo) {
    const ProgramRun run = runRunvale({fixture("not_a_config.txt")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(": "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(Cli, ListDevicesShowsVirtualPadsTabSeparated) {
    const ProgramRun run = runRunvale({"--list-devices", "--virtual-devices", "Cli List Pad:6"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto name = run.out.find("\tCli List Pad\n");
    ASSERT_NE(name, std::string::npos) << run.out;
    const auto lineStart = run.out.rfind('\n', name) + 1;  // npos + 1 == 0 for the first line
    EXPECT_NE(run.out.substr(lineStart, name - lineStart).find("\tjoystick\t6\t"),
              std::string::npos);
}

}  // namespace
}  // namespace runvale_test
