#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "file_format/configuration_file.h"

namespace velloran {
namespace {

// Answers reads and writes with the results a test sets up, and keeps what was written.
class FakeFileSystem : public FileSystem {
public:
    Result<std::string> readResult = std::string("\"1.4\"\r\n");
    std::optional<RuntimeError> writeError;
    std::string writtenPath;
    std::string writtenBytes;

    Result<std::string> readFile(const std::string&) override { return readResult; }
    std::optional<RuntimeError> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) override {
        writtenPath = path;
        writtenBytes = bytes;
        return writeError;
    }
    std::optional<RuntimeError> probeWritable(const std::string&) override { return {}; }
    bool exists(const std::string&) override { return true; }
};

TEST(LoadConfiguration, ReadErrorsDecideTheFollowUp) {
    using FollowUp = LoadFailure::FollowUp;
    struct Case {
        int number;
        FollowUp followUp;
        int state;
    };
    for (const Case c :
         {Case{52, FollowUp::RemoveEntry, 2}, Case{53, FollowUp::RemoveEntry, 2},
          Case{76, FollowUp::RemoveEntry, 2}, Case{57, FollowUp::CloseConfiguration, 0},
          Case{68, FollowUp::CloseConfiguration, 0}, Case{70, FollowUp::CloseConfiguration, 0},
          Case{71, FollowUp::CloseConfiguration, 0}, Case{75, FollowUp::CloseConfiguration, 0}}) {
        FakeFileSystem fs;
        fs.readResult = runtimeError(c.number);
        const auto loaded = loadConfiguration(fs, "/cfg/a.vlz", DeviceInventory{});
        ASSERT_TRUE(loaded.failure) << c.number;
        EXPECT_EQ(loaded.failure->error.number, c.number);
        EXPECT_EQ(loaded.failure->box, fileIoErrorBox(runtimeError(c.number))) << c.number;
        EXPECT_EQ(loaded.failure->followUp, c.followUp) << c.number;
        EXPECT_EQ(loaded.state, c.state) << c.number;
        EXPECT_TRUE(loaded.rows.empty());
    }
}

TEST(LoadConfiguration, FileAlreadyOpenClosesTheProgramAndOtherErrorsUseTheCommonBox) {
    FakeFileSystem fs;
    fs.readResult = runtimeError(err::FileAlreadyOpen);
    auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->box,
              (Message{Icon::Critical, "File IO Error",
                       "File already open\r\n\r\nThe application will now close."}));
    EXPECT_EQ(loaded.failure->followUp, LoadFailure::FollowUp::UnloadMainWindow);

    fs.readResult = RuntimeError{7, "Out of memory"};
    loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->box.text, " 7  Out of memory in sub open_click.");
    EXPECT_EQ(loaded.failure->box.title, "ERROR");
    EXPECT_EQ(loaded.failure->followUp, LoadFailure::FollowUp::None);
    EXPECT_EQ(loaded.state, 0);
}

TEST(LoadConfiguration, ReadsTheFileContent) {
    FakeFileSystem fs;
    fs.readResult = std::string("\"1.3\"\r\n");
    const auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
    EXPECT_FALSE(loaded.failure);
    EXPECT_EQ(loaded.version, "1.3");
    EXPECT_EQ(loaded.state, 16);
}

TEST(SaveConfiguration, WritesTheSerializedRowsToThePath) {
    FakeFileSystem fs;
    MappingRow row;
    row.text = "4";
    EXPECT_FALSE(saveConfiguration(fs, "/cfg/a.vlz", {row}));
    EXPECT_EQ(fs.writtenPath, "/cfg/a.vlz");
    EXPECT_EQ(fs.writtenBytes, serializeConfiguration({row}));
}

TEST(SaveConfiguration, WriteErrorsShowTheFileBoxOrTheCommonBox) {
    for (int number : {52, 53, 57, 58, 61, 68, 70, 71, 75, 76}) {
        FakeFileSystem fs;
        fs.writeError = runtimeError(number);
        const auto failure = saveConfiguration(fs, "a.vlz", {});
        ASSERT_TRUE(failure) << number;
        EXPECT_EQ(failure->box, fileIoErrorBox(runtimeError(number))) << number;
        EXPECT_FALSE(failure->unloadMainWindow) << number;
    }
    FakeFileSystem fs;
    fs.writeError = runtimeError(err::FileAlreadyOpen);
    auto failure = saveConfiguration(fs, "a.vlz", {});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->box.text, "File already open\r\n\r\nThe application will now close.");
    EXPECT_TRUE(failure->unloadMainWindow);

    fs.writeError = runtimeError(err::TypeMismatch);
    failure = saveConfiguration(fs, "a.vlz", {});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->box,
              (Message{Icon::Critical, "ERROR", " 13  Type mismatch in sub save_click."}));
    EXPECT_FALSE(failure->unloadMainWindow);
}

}  // namespace
}  // namespace velloran
