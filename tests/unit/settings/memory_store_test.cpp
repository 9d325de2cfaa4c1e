#include <gtest/gtest.h>

#include "common/settings_store_cases.h"
#include "settings/key_path.h"
#include "settings/memory_store.h"
#include "settings/new_file_key.h"

namespace velloran {
namespace {

struct MemoryBackend {
    std::unique_ptr<SettingsStore> make() { return std::make_unique<MemoryStore>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreCases, MemoryBackend);

TEST(KeyNames, CaseIsIgnoredForAsciiLettersOnly) {
    EXPECT_FALSE(sameKeyName("[", "{"));  // differ by the same bit as 'A' and 'a'
}

TEST(NewFileKey, FillsGapsUnderTheGivenKeyPathAndSkipsHandedOutKeys) {
    MemoryStore store;
    HandedOutKeys handedOut;
    const auto newKey = [&] { return NewFileKey(store, Root::CurrentUser, kUserKey, handedOut); };
    const auto add = [&](const char* key, const char* path = kUserKey) {
        store.SaveString(Root::CurrentUser, std::string(path) + "\\" + key, "path", "x");
    };
    store.SaveString(Root::ClassesRoot, settings::userEntryPath("file1"), "path", "x");
    add("file1", "Software\\Velloran");
    EXPECT_EQ(newKey(), "file1");
    EXPECT_TRUE(handedOut.contains("FILE1"));
    handedOut.clear();

    add("file1");
    add("File3");
    EXPECT_EQ(newKey(), "file2");
    EXPECT_EQ(newKey(), "file4");
    // A deleted entry's key comes back, unless it is still handed out.
    store.DelKey(Root::CurrentUser, settings::userEntryPath("file1"));
    EXPECT_EQ(newKey(), "file1");
    add("file2");
    store.DelKey(Root::CurrentUser, settings::userEntryPath("file2"));
    EXPECT_EQ(newKey(), "file5");
    handedOut.remove("file2");
    EXPECT_EQ(newKey(), "file2");
}

}  // namespace
}  // namespace velloran
