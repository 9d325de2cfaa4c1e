#include <gtest/gtest.h>

#include "common/files.h"
#include "file_format/configuration_file.h"

namespace velloran {
namespace {

using FollowUp = LoadFailure::FollowUp;

TEST(LoadConfiguration, ReadErrorsDecideTheFollowUp) {
    struct Case {
        RuntimeError error;
        FollowUp followUp;
        int state;
    };
    for (const Case& c : {Case{runtimeError(53), FollowUp::RemoveEntry, 2},
                          Case{runtimeError(70), FollowUp::CloseConfiguration, 0},
                          Case{runtimeError(err::FileAlreadyOpen), FollowUp::UnloadMainWindow, 0},
                          Case{RuntimeError{7, "Out of memory"}, FollowUp::None, 0}}) {
        testing::MemoryFiles fs;
        fs.readErrors["a.vlz"] = c.error;
        const auto loaded = loadConfiguration(fs, "a.vlz", DeviceInventory{});
        ASSERT_TRUE(loaded.failure) << c.error.number;
        EXPECT_EQ(loaded.failure->followUp, c.followUp) << c.error.number;
        EXPECT_EQ(loaded.state, c.state) << c.error.number;
        if (c.followUp == FollowUp::None) {
            EXPECT_EQ(loaded.failure->box.text, " 7  Out of memory in sub open_click.");
        } else if (c.followUp == FollowUp::UnloadMainWindow) {
            EXPECT_EQ(loaded.failure->box.text,
                      "File already open\r\n\r\nThe application will now close.");
        } else {
            EXPECT_EQ(loaded.failure->box, fileIoErrorBox(c.error));
        }
    }
}

TEST(SaveConfiguration, WriteErrorsShowTheFileBoxOrTheCommonBox) {
    for (const int number : {53, 61, err::FileAlreadyOpen, err::TypeMismatch}) {
        testing::MemoryFiles fs;
        fs.writeErrors["a.vlz"] = runtimeError(number);
        const auto failure = saveConfiguration(fs, "a.vlz", {});
        ASSERT_TRUE(failure) << number;
        EXPECT_EQ(failure->unloadMainWindow, number == err::FileAlreadyOpen) << number;
        if (number == err::TypeMismatch) {
            EXPECT_EQ(failure->box.text, " 13  Type mismatch in sub save_click.");
        } else if (number != err::FileAlreadyOpen) {
            EXPECT_EQ(failure->box, fileIoErrorBox(runtimeError(number))) << number;
        }
    }
}

}  // namespace
}  // namespace velloran
