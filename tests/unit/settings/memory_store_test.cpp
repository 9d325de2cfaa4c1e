#include <gtest/gtest.h>

#include "common/settings_store_cases.h"
#include "settings/key_path.h"
#include "settings/memory_store.h"

namespace velloran {
namespace {

struct MemoryBackend {
    std::unique_ptr<SettingsStore> make() { return std::make_unique<MemoryStore>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreCases, MemoryBackend);

TEST(KeyNames, SplitDropsEmptyComponents) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(splitKeyPath("\\"), Parts{});
    EXPECT_EQ(splitKeyPath("\\a\\\\b c\\"), (Parts{"a", "b c"}));
}

TEST(KeyNames, CaseIsIgnoredForAsciiLettersOnly) {
    EXPECT_TRUE(sameKeyName("File1", "fILE1"));
    EXPECT_FALSE(sameKeyName("[", "{"));  // differ by the same bit as 'A' and 'a'
    EXPECT_TRUE(KeyNameLess{}("file1", "FILE2"));
    EXPECT_FALSE(KeyNameLess{}("FILE1", "file1"));
}

}  // namespace
}  // namespace velloran
