// Saves that must keep the file the same file (read-only folder, hard links, another owner),
// and paths that are no regular file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/fixtures.h"
#include "common/temp_folder.h"
#include "fs/posix_file_system.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;
constexpr uid_t kNobody = 65534;

class WriteInPlace : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(file) << "old content, longer than the new one"; }
    void TearDown() override { ::chmod(dir.c_str(), 0700); }

    static struct stat statOf(const fsys::path& p) {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0);
        return st;
    }
    testing::TempFolder scratch;
    fsys::path dir = scratch.root();
    fsys::path file = dir / "pad.vlz";
    PosixFileSystem fs;
};

TEST_F(WriteInPlace, HardLinksStayOneFile) {
    fsys::create_hard_link(file, dir / "link.vlz");
    const ino_t inode = statOf(file).st_ino;
    ASSERT_FALSE(fs.writeFileAtomically(file, "new"));
    EXPECT_EQ(testing::readBytes(dir / "link.vlz"), "new");
    EXPECT_EQ(statOf(file).st_ino, inode);
}

TEST_F(WriteInPlace, WritableFileInAFolderThatTakesNoNewFile) {
    // Root passes folder permissions: the save runs as nobody, who owns the file only.
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);  // nobody may enter, not add files
    }
    const struct stat before = statOf(file);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = root ? ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0
                                  : ::chmod(dir.c_str(), 0500) == 0;
        ::_exit(!dropped ? 2 : fs.writeFileAtomically(file, "new") ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(testing::readBytes(file), "new");
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(std::distance(fsys::directory_iterator(dir), fsys::directory_iterator()), 1);
}

TEST_F(WriteInPlace, AReplacedFileKeepsItsOwnerAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make a file another user's";
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_FALSE(fs.writeFileAtomically(file, "new"));
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_uid, kNobody);
    EXPECT_EQ(after.st_gid, kNobody);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// A missing file and a path that is no regular file give the errors the load follow-ups key on.
TEST_F(WriteInPlace, NoRegularFileGivesTheFolderErrorWithoutWaiting) {
    fsys::create_directory(dir / "folder.vlz");
    ASSERT_EQ(::mkfifo((dir / "fifo.vlz").c_str(), 0600), 0);
    const auto folderError = fs.readFile(dir / "folder.vlz");
    ASSERT_FALSE(folderError);
    EXPECT_EQ(folderError.error().number, 75);
    EXPECT_EQ(fs.readFile(dir / "missing.vlz").error().number, 53);
    for (const fsys::path& p : {dir / "fifo.vlz", fsys::path("/dev/zero")}) {
        EXPECT_EQ(fs.readFile(p).error(), folderError.error()) << p;
        EXPECT_EQ(fs.probeWritable(p), folderError.error()) << p;
    }
    EXPECT_EQ(fs.writeFileAtomically(dir / "fifo.vlz", "x"), folderError.error());
    EXPECT_TRUE(fsys::is_fifo(dir / "fifo.vlz"));
}

}  // namespace
}  // namespace velloran
