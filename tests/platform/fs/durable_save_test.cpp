#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "common/fixtures.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "file_format/configuration_file.h"
#include "fs/posix_file_system.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;

// A configuration as users have them: two devices, some macros, an accented description.
std::vector<MappingRow> realisticRows(int buttons) {
    std::vector<MappingRow> rows;
    for (int b = 1; b <= buttons; ++b) {
        rows.push_back(testing::row(b % 2 ? "{4A1B2C30-7D8E-11EF}" : "HID#VID_1D50&PID_6102", b,
                                    {{"SHIFT + A", "A"}, testing::key("A")}, {{"CTRL + Z", "Z"}}));
        rows.back().setFlag(col::Repeat, b % 3 == 0);
        rows.back().cell(col::Description) = Cell{b == 1 ? "Frein à main" : " ", Tag::boolean(true)};
    }
    return rows;
}

using testing::readBytes;
using testing::writeBytes;

std::vector<std::string> entriesOf(const fsys::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fsys::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class DurableSave : public ::testing::Test {
protected:
    void TearDown() override { ::chmod(dir.c_str(), 0700); }

    testing::TempFolder scratch;
    fsys::path dir = scratch.root();
    fsys::path target = dir / "flight.vlz";
    PosixFileSystem fs;
};

TEST_F(DurableSave, DiskFullAtAnyByteLeavesTheOldFileAndNoTemporary) {
    const std::string old = serializeConfiguration(realisticRows(2));
    const std::vector<MappingRow> rows = realisticRows(6);
    const std::size_t size = serializeConfiguration(rows).size();
    writeBytes(target, old);

    for (std::size_t limit = 0; limit < size; ++limit) {
        std::size_t written = 0;
        fs.setWriteFunction([&](int fd, const void* data, size_t n) -> ssize_t {
            if (written >= limit) {
                errno = ENOSPC;
                return -1;
            }
            const ssize_t done = ::write(fd, data, std::min(n, limit - written));
            if (done > 0) written += static_cast<std::size_t>(done);
            return done;
        });
        const auto failure = saveConfiguration(fs, target, rows);
        ASSERT_TRUE(failure) << "failing after " << limit << " bytes";
        EXPECT_EQ(failure->error, (RuntimeError{61, "Disk full"})) << limit;
        EXPECT_EQ(failure->box, (Message{Icon::Critical, "File IO Error", "Disk full"})) << limit;
        ASSERT_EQ(readBytes(target), old) << "failing after " << limit << " bytes";
        ASSERT_EQ(entriesOf(dir), std::vector<std::string>{"flight.vlz"}) << limit;
    }

    fs.setWriteFunction(&::write);
    EXPECT_FALSE(saveConfiguration(fs, target, rows));
    EXPECT_EQ(readBytes(target), serializeConfiguration(rows));
    EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"flight.vlz"});
}

TEST_F(DurableSave, ReadOnlyFileInReadOnlyFolderReportsPermissionDeniedAndKeepsTheFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: folder permissions do not stop root from writing";
    }
    const std::string old = serializeConfiguration(realisticRows(1));
    writeBytes(target, old);
    ASSERT_EQ(::chmod(target.c_str(), 0400), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0500), 0);

    const auto failure = saveConfiguration(fs, target, realisticRows(3));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error.number, 70);
    EXPECT_EQ(failure->box, (Message{Icon::Critical, "File IO Error", "Permission denied"}));
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"flight.vlz"});
}

TEST_F(DurableSave, SymlinkedTargetStaysALink) {
    fsys::create_directory(dir / "real");
    const fsys::path real = dir / "real" / "flight.vlz";
    writeBytes(real, serializeConfiguration(realisticRows(1)));
    fsys::create_symlink("real/flight.vlz", target);

    const auto rows = realisticRows(4);
    ASSERT_FALSE(saveConfiguration(fs, target, rows));
    EXPECT_TRUE(fsys::is_symlink(target));
    EXPECT_EQ(readBytes(real), serializeConfiguration(rows));
    EXPECT_EQ(entriesOf(dir / "real"), std::vector<std::string>{"flight.vlz"});

    const auto loaded = loadConfiguration(fs, target, DeviceInventory{});
    ASSERT_FALSE(loaded.failure);
    ASSERT_EQ(loaded.rows.size(), 4u);
    EXPECT_EQ(loaded.rows[0].cell(col::Description).text, "Frein à main");
}

}  // namespace
}  // namespace velloran
