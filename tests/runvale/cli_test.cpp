// The command line: help lists the commands, and malformed command lines are refused before
// any file is touched.
#include <gtest/gtest.h>

#include "runvale_process.h"

namespace runvale_test {
namespace {

TEST(Cli, HelpListsTheCommands) {
    const ProgramRun run = runRunvale({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--dump"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("--upgrade"), std::string::npos) << run.out;
}

TEST(Cli, MalformedCommandLinesAreRefused) {
    const TempDir dir;
    const std::string out = dir.path("out.vlz").string();
    const std::string in = fixture("v1_4.vlz");
    const std::vector<std::vector<std::string>> lines = {
        {"--dump", in, "--upgrade", in, out},  // one command a run
        {"--upgrade", in},                     // needs IN and OUT
        {"--dump"},
        {"--no-such-option"},
        {"--poll-ms", "0", in},  // out of range
        {"--dry-run", in},       // no FILE
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

}  // namespace
}  // namespace runvale_test
