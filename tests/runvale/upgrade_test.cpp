// `runvale --upgrade`: older files come out as current files holding the same rows, current
// files come out unchanged, and a failure leaves the output as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "runvale_process.h"

namespace runvale_test {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

json dumpOf(const std::string& file) {
    const ProgramRun run = runRunvale({"--dump", file});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    return json::parse(run.out);
}

ProgramRun upgrade(const std::string& in, const std::string& out) {
    return runRunvale({"--upgrade", in, out});
}

// Saving writes every Tag as text where the file has no other kind for it (the multiplier, the
// steps of converted files): compare values as the file holds them.
json asWritten(const json& value) {
    if (value.is_null()) return "";
    if (value.is_number()) return value.dump();
    if (value.is_structured()) {
        json copy = value;
        for (auto& item : copy) item = asWritten(item);
        return copy;
    }
    return value;
}

struct UpgradeCase {
    const char* file;
    bool sameKinds;  // Tags keep their kind through the save
};

class UpgradeVersion : public testing::TestWithParam<UpgradeCase> {};

TEST_P(UpgradeVersion, WritesACurrentFileWithTheSameRows) {
    const UpgradeCase& c = GetParam();
    const TempDir dir;
    const std::string out = dir.path("out.vlz").string();

    const ProgramRun run = upgrade(fixture(c.file), out);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(out).substr(0, 7), "\"1.4\"\r\n");

    const json original = dumpOf(fixture(c.file));
    const json upgraded = dumpOf(out);
    EXPECT_EQ(upgraded["version"], "1.4");
    EXPECT_EQ(upgraded["obsolete"], false);
    EXPECT_EQ(upgraded["state"], 0);
    EXPECT_EQ(upgraded["messages"], json::array());
    if (c.sameKinds) {
        EXPECT_EQ(upgraded["rows"], original["rows"]);
    } else {
        EXPECT_EQ(asWritten(upgraded["rows"]), asWritten(original["rows"]));
    }

    // Once current, a file goes through the editor unchanged.
    const std::string again = dir.path("again.vlz").string();
    ASSERT_EQ(upgrade(out, again).exitCode, 0);
    EXPECT_EQ(readBytes(again), readBytes(out));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, UpgradeVersion,
                         testing::Values(UpgradeCase{"v1_4.vlz", true},
                                         UpgradeCase{"v1_3.vlz", true},
                                         UpgradeCase{"v1_2.vlz", false},
                                         UpgradeCase{"v1_1.vlz", false},
                                         UpgradeCase{"cp1252_accents.vlz", true}));

TEST(Upgrade, CurrentFilesAreReproducedByteForByte) {
    const TempDir dir;
    for (const char* name : {"v1_4.vlz", "cp1252_accents.vlz"}) {
        const std::string out = dir.path(name).string();
        ASSERT_EQ(upgrade(fixture(name), out).exitCode, 0);
        EXPECT_EQ(readBytes(out), readBytes(fixture(name))) << name;
    }
}

TEST(Upgrade, LoadFailureReportsOneLineAndLeavesTheOutputAlone) {
    const TempDir dir;
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
    const std::string notCreated = dir.path("not_created.vlz").string();
    EXPECT_EQ(upgrade(fixture("not_a_config.txt"), notCreated).exitCode, 2);
    EXPECT_FALSE(fs::exists(notCreated));
}

TEST(Upgrade, SaveFailureExitsTwoAndLeavesTheTargetAsItWas) {
    const TempDir dir;
    const fs::path folder = dir.path("folder.vlz");
    fs::create_directory(folder);
    const fs::path inMissingFolder = dir.path("no_folder/out.vlz");

    for (const fs::path& out : {folder, inMissingFolder}) {
        SCOPED_TRACE(out.string());
        const ProgramRun run = upgrade(fixture("v1_4.vlz"), out.string());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.rfind("File IO Error: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_FALSE(fs::exists(inMissingFolder.parent_path()));
}

}  // namespace
}  // namespace runvale_test
