// The POSIX file system on a real folder: saves that fail keep the old file and leave no
// temporary, saves that must keep the file the same file, paths that are no regular file, and
// folder listings.
#include "fs/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/fixtures.h"
#include "common/temp_folder.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;
using testing::readBytes;
using testing::writeBytes;
constexpr uid_t kNobody = 65534;

class PosixFiles : public ::testing::Test {
protected:
    void TearDown() override { ::chmod(dir.c_str(), 0700); }

    static long entries(const fsys::path& folder) {
        return std::distance(fsys::directory_iterator(folder), fsys::directory_iterator());
    }
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

TEST_F(PosixFiles, DiskFullAtAnyByteLeavesTheOldFileAndNoTemporary) {
    const std::string next(300, 'n');
    writeBytes(file, "old content");
    for (std::size_t limit = 0; limit < next.size(); ++limit) {
        std::size_t written = 0;
        fs.setWriteFunction([&](int fd, const void* data, size_t n) -> ssize_t {
            const ssize_t done = written < limit ? ::write(fd, data, std::min(n, limit - written))
                                                 : (errno = ENOSPC, -1);
            written += static_cast<std::size_t>(std::max<ssize_t>(done, 0));
            return done;
        });
        const auto error = fs.writeFileAtomically(file, next);
        EXPECT_EQ(error.value_or(RuntimeError{}).number, 61) << limit;  // "Disk full"
        ASSERT_EQ(readBytes(file), "old content") << limit;
        ASSERT_EQ(entries(dir), 1) << limit;
    }
}

// A folder that takes no new file: a writable file is written in place, a read-only one is
// refused with "Permission denied" (70) and kept. Root passes folder permissions, so there the
// save runs as nobody, who owns the file only.
TEST_F(PosixFiles, AFolderThatTakesNoNewFileWritesInPlaceOrKeepsTheFile) {
    const bool root = ::geteuid() == 0;
    for (const auto& [mode, error, content] : {std::tuple{0604, 0, "new"}, {0404, 70, "old"}}) {
        ::chmod(dir.c_str(), 0700);
        writeBytes(file, "old");
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        ASSERT_EQ(root ? ::chown(file.c_str(), kNobody, kNobody) : 0, 0);
        const struct stat before = statOf(file);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = root ? ::chmod(dir.c_str(), 0755) == 0 && ::setgid(kNobody) == 0 &&
                                            ::setuid(kNobody) == 0
                                      : ::chmod(dir.c_str(), 0500) == 0;
            const auto failure = fs.writeFileAtomically(file, "new");
            ::_exit(!dropped ? 99 : failure ? failure->number : 0);
        }
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == error) << mode << ": " << status;
        EXPECT_EQ(readBytes(file), content) << mode;
        const struct stat after = statOf(file);
        EXPECT_EQ(std::tie(after.st_ino, after.st_uid, after.st_mode),
                  std::tie(before.st_ino, before.st_uid, before.st_mode)) << mode;
        EXPECT_EQ(entries(dir), 1) << mode;
    }
}

// Hard and symbolic links stay links to the one file; a file of another owner keeps its owner
// and mode (only root can make one).
TEST_F(PosixFiles, LinksAndOwnersStayAsTheyWere) {
    writeBytes(file, "old");
    fsys::create_hard_link(file, dir / "hard.vlz");
    writeBytes(dir / "real/linked.vlz", "old");
    fsys::create_symlink("real/linked.vlz", dir / "soft.vlz");
    ASSERT_FALSE(fs.writeFileAtomically(file, "new"));
    EXPECT_EQ(readBytes(dir / "hard.vlz"), "new");
    ASSERT_FALSE(fs.writeFileAtomically(dir / "soft.vlz", "new"));
    EXPECT_TRUE(fsys::is_symlink(dir / "soft.vlz"));
    EXPECT_EQ(readBytes(dir / "real/linked.vlz"), "new");
    EXPECT_EQ(entries(dir / "real"), 1);

    if (::geteuid() != 0) GTEST_SKIP() << "only root can make a file another user's";
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    fsys::remove(dir / "hard.vlz");
    ASSERT_FALSE(fs.writeFileAtomically(file, "newer"));
    const struct stat after = statOf(file);
    EXPECT_EQ(std::tie(after.st_uid, after.st_gid), std::tie(kNobody, kNobody));
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

// A path that is no regular file gives the error a folder gives (75) at once and stays as it
// is; a missing file gives 53.
TEST_F(PosixFiles, NoRegularFileGivesTheFolderErrorWithoutWaiting) {
    fsys::create_directory(dir / "folder.vlz");
    ASSERT_EQ(::mkfifo((dir / "fifo.vlz").c_str(), 0600), 0);
    EXPECT_EQ(fs.readFile(dir / "missing.vlz").error().number, 53);
    for (const fsys::path& p : {dir / "folder.vlz", dir / "fifo.vlz", fsys::path("/dev/zero")}) {
        EXPECT_EQ(fs.readFile(p).error().number, 75) << p;
        EXPECT_EQ(fs.probeWritable(p).value_or(RuntimeError{}).number, 75) << p;
    }
    EXPECT_EQ(fs.writeFileAtomically(dir / "fifo.vlz", "x").value_or(RuntimeError{}).number, 75);
    EXPECT_TRUE(fsys::is_fifo(dir / "fifo.vlz"));
}

// Listings hold regular files and links to them; full paths need no file.
TEST_F(PosixFiles, FolderListingsAndFullPaths) {
    for (const char* name : {"a.vlz", "B.VLZ"}) writeBytes(dir / name, "");
    fsys::create_directory(dir / "sub.vlz");
    fsys::create_symlink(dir / "a.vlz", dir / "link.vlz");
    fsys::create_symlink(dir / "missing", dir / "dangling.vlz");
    std::vector<std::string> names = fs.fileNames(dir.string() + "/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.VLZ", "a.vlz", "link.vlz"}));
    EXPECT_TRUE(fs.fileNames((dir / "none").string()).empty());
    const fsys::path before = fsys::current_path();
    fsys::current_path(dir);
    EXPECT_EQ(fs.fullPath("x/../c d.vlz"), (dir / "c d.vlz").string());
    EXPECT_EQ(fs.fullPath(""), "");
    fsys::current_path(before);
}

}  // namespace
}  // namespace velloran
