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
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kRotaryRate), "20");

    store.SaveString(Root::CurrentUser, kConfigKey, settings::kAssociate, "");
    EXPECT_EQ(settingOrDefault(store, settings::kAssociate, settings::kAssociateDefault), "True");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kAssociate), "True");
}

TEST(SettingValues, NumericValueReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case c :
         {Case{"500", 500}, Case{"  35", 35}, Case{"12ms", 12}, Case{"-5", -5}, Case{"+7", 7},
          Case{"2.5", 2.5}, Case{".5", 0.5}, Case{"", 0}, Case{"abc", 0}, Case{"inf", 0},
          Case{"-nan", 0}, Case{"--1", 0}, Case{"1e3", 1}}) {
        EXPECT_EQ(numericValue(c.text), c.value) << c.text;
    }
}

TEST(SettingValues, BooleanTexts) {
    EXPECT_STREQ(booleanText(true), "True");
    EXPECT_STREQ(booleanText(false), "False");
    EXPECT_TRUE(isTrueText("True"));
    EXPECT_TRUE(isTrueText("TRUE"));
    EXPECT_FALSE(isTrueText("False"));
    EXPECT_FALSE(isTrueText(""));
}

TEST(NewFileKey, ClearingTheHandedOutKeysFreesThemAll) {
    MemoryStore store;
    HandedOutKeys handedOut;
    for (const char* expected : {"file1", "file2", "file3"}) {
        EXPECT_EQ(NewFileKey(store, Root::CurrentUser, kUserKey, handedOut), expected);
    }
    EXPECT_TRUE(handedOut.contains("FILE2"));
    handedOut.clear();
    EXPECT_FALSE(handedOut.contains("file2"));
    EXPECT_EQ(NewFileKey(store, Root::CurrentUser, kUserKey, handedOut), "file1");
}

TEST(NewFileKey, LooksOnlyUnderTheGivenKeyPathAndRoot) {
    MemoryStore store;
    HandedOutKeys handedOut;
    store.SaveString(Root::ClassesRoot, settings::userEntryPath("file1"), "path", "x");
    store.SaveString(Root::CurrentUser, "Software\\Velloran\\file1", "path", "x");
    EXPECT_EQ(NewFileKey(store, Root::CurrentUser, kUserKey, handedOut), "file1");
}

}  // namespace
}  // namespace velloran
