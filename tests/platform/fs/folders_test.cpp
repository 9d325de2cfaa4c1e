#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fs/posix_file_system.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;

class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fsys::temp_directory_path() / ("velloran_folders_" + std::to_string(::getpid()));
        fsys::create_directories(root_ / "sub.vlz");
        for (const char* name : {"a.vlz", "B.VLZ", "notes.txt"}) std::ofstream(root_ / name);
        fsys::create_symlink(root_ / "a.vlz", root_ / "link.vlz");
        fsys::create_symlink(root_ / "missing", root_ / "dangling.vlz");
    }
    void TearDown() override { fsys::remove_all(root_); }

    fsys::path root_;
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
