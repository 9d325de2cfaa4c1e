#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/files.h"
#include "file_format/configuration_file.h"

namespace velloran {
namespace {

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
        testing::MemoryFiles fs;
        fs.readErrors["a.vlz"] = runtimeError(c.number);
        const auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
        ASSERT_TRUE(loaded.failure) << c.number;
        EXPECT_EQ(loaded.failure->error.number, c.number);
        EXPECT_EQ(loaded.failure->box, fileIoErrorBox(runtimeError(c.number))) << c.number;
        EXPECT_EQ(loaded.failure->followUp, c.followUp) << c.number;
        EXPECT_EQ(loaded.state, c.state) << c.number;
        EXPECT_TRUE(loaded.rows.empty());
    }
}

TEST(LoadConfiguration, FileAlreadyOpenClosesTheProgramAndOtherErrorsUseTheCommonBox) {
    testing::MemoryFiles fs;
    fs.readErrors["a.vlz"] = runtimeError(err::FileAlreadyOpen);
    auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->box,
              (Message{Icon::Critical, "File IO Error",
                       "File already open\r\n\r\nThe application will now close."}));
    EXPECT_EQ(loaded.failure->followUp, LoadFailure::FollowUp::UnloadMainWindow);

    fs.readErrors["a.vlz"] = RuntimeError{7, "Out of memory"};
    loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->box.text, " 7  Out of memory in sub open_click.");
    EXPECT_EQ(loaded.failure->box.title, "ERROR");
    EXPECT_EQ(loaded.failure->followUp, LoadFailure::FollowUp::None);
    EXPECT_EQ(loaded.state, 0);
}

TEST(SaveConfiguration, WriteErrorsShowTheFileBoxOrTheCommonBox) {
    for (int number : {52, 53, 57, 58, 61, 68, 70, 71, 75, 76}) {
        testing::MemoryFiles fs;
        fs.writeErrors["a.vlz"] = runtimeError(number);
        const auto failure = saveConfiguration(fs, "a.vlz", {});
        ASSERT_TRUE(failure) << number;
        EXPECT_EQ(failure->box, fileIoErrorBox(runtimeError(number))) << number;
        EXPECT_FALSE(failure->unloadMainWindow) << number;
    }
    testing::MemoryFiles fs;
    fs.writeErrors["a.vlz"] = runtimeError(err::FileAlreadyOpen);
    auto failure = saveConfiguration(fs, "a.vlz", {});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->box.text, "File already open\r\n\r\nThe application will now close.");
    EXPECT_TRUE(failure->unloadMainWindow);

    fs.writeErrors["a.vlz"] = runtimeError(err::TypeMismatch);
    failure = saveConfiguration(fs, "a.vlz", {});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->box,
              (Message{Icon::Critical, "ERROR", " 13  Type mismatch in sub save_click."}));
    EXPECT_FALSE(failure->unloadMainWindow);
}

}  // namespace
}  // namespace velloran
