#include <gtest/gtest.h>

#include "settings/memory_store.h"
#include "settings/new_file_key.h"
#include "settings/setting_values.h"
#include "settings/settings_names.h"

namespace velloran {
namespace {

TEST(SettingValues, EmptySettingGetsItsDefaultWritten) {
    MemoryStore store;
    EXPECT_EQ(numberSetting(store, settings::kRepeatRate, settings::kRepeatRateDefault), 500);
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRepeatRate), "500");

    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRotaryRate, "20");
    EXPECT_EQ(numberSetting(store, settings::kRotaryRate, settings::kRotaryRateDefault), 20);
}

TEST(SettingValues, NumericValueReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case c : {Case{"  35", 35}, Case{"12ms", 12}, Case{"-5", -5}, Case{".5", 0.5},
                         Case{"", 0}, Case{"inf", 0}, Case{"--1", 0}, Case{"1e3", 1}}) {
        EXPECT_EQ(numericValue(c.text), c.value) << c.text;
    }
}

TEST(SettingValues, BooleanTexts) {
    EXPECT_TRUE(isTrueText("TRUE"));
    EXPECT_FALSE(isTrueText(""));
}

TEST(NewFileKey, LooksOnlyUnderTheGivenKeyPathAndRootAndHandedOutKeysIgnoreCase) {
    MemoryStore store;
    HandedOutKeys handedOut;
    store.SaveString(Root::ClassesRoot, settings::userEntryPath("file1"), "path", "x");
    store.SaveString(Root::CurrentUser, "Software\\Velloran\\file1", "path", "x");
    EXPECT_EQ(NewFileKey(store, Root::CurrentUser, kUserKey, handedOut), "file1");
    EXPECT_TRUE(handedOut.contains("FILE1"));
}

}  // namespace
}  // namespace velloran
