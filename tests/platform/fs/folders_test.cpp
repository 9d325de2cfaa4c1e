#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/temp_folder.h"
#include "fs/posix_file_system.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;

class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        fsys::create_directories(root_ / "sub.vlz");
        for (const char* name : {"a.vlz", "B.VLZ", "notes.txt"}) std::ofstream(root_ / name);
        fsys::create_symlink(root_ / "a.vlz", root_ / "link.vlz");
        fsys::create_symlink(root_ / "missing", root_ / "dangling.vlz");
    }
    testing::TempFolder folder_;
    fsys::path root_ = folder_.root();
    PosixFileSystem fs_;
};

TEST_F(Folders, ListsRegularFilesAndLinksToThemOnly) {
    std::vector<std::string> names = fs_.fileNames(root_.string() + "/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.VLZ", "a.vlz", "link.vlz", "notes.txt"}));
    EXPECT_TRUE(fs_.fileNames((root_ / "none").string()).empty());
}

TEST_F(Folders, FullPathResolvesAgainstTheCurrentFolderWithoutNeedingTheFile) {
    const fsys::path before = fsys::current_path();
    fsys::current_path(root_);
    EXPECT_EQ(fs_.fullPath("x/../c d.vlz"), (root_ / "c d.vlz").string());
    EXPECT_EQ(fs_.fullPath("/tmp/./y.vlz"), "/tmp/y.vlz");
    EXPECT_EQ(fs_.fullPath(""), "");
    fsys::current_path(before);
}

}  // namespace
}  // namespace velloran
