// `runvale --upgrade`: older files come out current and current files unchanged; a failure is
// one line on standard error and leaves the output as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "runvale_process.h"

namespace runvale_test {
namespace {

namespace fs = std::filesystem;

ProgramRun upgrade(const std::string& in, const std::string& out) {
    return runRunvale({"--upgrade", in, out});
}

TEST(Upgrade, OldFilesBecomeCurrentAndCurrentOnesStayByteForByte) {
    const TempFolder dir;
    const std::string out = dir.path("out.vlz").string();
    const ProgramRun run = upgrade(fixture("v1_1.vlz"), out);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(readBytes(out).substr(0, 7), "\"1.4\"\r\n");

    for (const char* name : {"v1_4.vlz", "cp1252_accents.vlz"}) {
        ASSERT_EQ(upgrade(fixture(name), out).exitCode, 0);
        EXPECT_EQ(readBytes(out), readBytes(fixture(name))) << name;
    }
}

TEST(Upgrade, LoadFailureReportsOneLineAndLeavesTheOutputAlone) {
    const TempFolder dir;
    const std::string out = dir.path("out.vlz").string();
    writeBytes(out, "keep me");

    const ProgramRun corrupt = upgrade(fixture("truncated.vlz"), out);
    EXPECT_EQ(corrupt.exitCode, 2);
    EXPECT_EQ(corrupt.err,
              "File IO Error: This file is either corrupt or not in Velloran format and will be "
              "removed from the list.  Delete the file?\n");
    const ProgramRun missing = upgrade(dir.path("missing.vlz").string(), out);
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err, "File IO Error: File not found\n");
    EXPECT_EQ(readBytes(out), "keep me");
}

TEST(Upgrade, SaveFailureExitsTwoAndLeavesTheTargetAsItWas) {
    const TempFolder dir;
    const fs::path folder = dir.path("folder.vlz");
    fs::create_directory(folder);
    const ProgramRun run = upgrade(fixture("v1_4.vlz"), folder.string());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.rfind("File IO Error: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace runvale_test
