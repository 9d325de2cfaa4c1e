// The in-memory store, the keys new entries get, and the preferences written to the store.
#include <gtest/gtest.h>

#include <vector>

#include "common/settings_store_cases.h"
#include "settings/memory_store.h"
#include "settings/new_file_key.h"
#include "settings/preferences.h"
#include "settings/setting_values.h"

namespace velloran {
namespace {

struct MemoryBackend {
    std::unique_ptr<SettingsStore> make() { return std::make_unique<MemoryStore>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreCases, MemoryBackend);

TEST(NewFileKey, FillsGapsUnderTheGivenKeyPathAndSkipsHandedOutKeys) {
    MemoryStore store;
    HandedOutKeys handedOut;
    const auto newKey = [&] { return NewFileKey(store, Root::CurrentUser, kUserKey, handedOut); };
    const auto add = [&](const char* key, const std::string& path = kUserKey) {
        store.SaveString(Root::CurrentUser, path + "\\" + key, "path", "x");
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

TEST(SettingValues, NumbersAreTheLeadingNumber) {
    for (const auto& [text, value] : {std::pair{"  35", 35.0}, {"12ms", 12}, {"-5", -5},
                                      {".5", 0.5}, {"", 0}, {"-", 0}, {"inf", 0}, {"1e3", 1}}) {
        EXPECT_EQ(numericValue(text), value) << text;
    }
    EXPECT_TRUE(isTrueText("TRUE"));
}

class RecordingAssociation : public FileAssociation {
public:
    std::vector<bool> calls;
    void reg_vlz(bool associate) override { calls.push_back(associate); }
};

// Timings typed outside their range are stored as the nearest bound; within it, or while no
// number yet, the text stays as typed.
TEST(Preferences, ApplyWritesEverythingAndReturnsTheTimingsInSeconds) {
    MemoryStore store;
    RecordingAssociation association;
    const std::string folder = "/home/u/.local/share/velloran/config/";
    const auto apply = [&](const PreferencesValues& values) {
        return applyPreferences(store, association, values, folder);
    };
    const auto setting = [&](const char* name) {
        return store.GetString(Root::CurrentUser, kConfigKey, name);
    };
    EXPECT_EQ(apply({true, "20ms", "100", "12.5", "/cfg"}).timings,
              (EngineTimings{0.1, 0.0125, 20}));
    EXPECT_EQ(setting(settings::kConfigPath), "/cfg/");
    EXPECT_EQ(setting(settings::kKeyHold), "20");

    const AppliedPreferences off = apply({false, "501", "abc", "-1", ""});
    EXPECT_EQ(off.timings, (EngineTimings{0, 0, 500}));
    EXPECT_EQ(off.configFolder, folder);
    EXPECT_EQ(association.calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(setting(settings::kAssociate), "False");
    EXPECT_EQ(setting(settings::kConfigPath), folder);
    EXPECT_EQ(setting(settings::kKeyHold), "500");
    EXPECT_EQ(clampTimingText(kRotaryRateSetting, "-"), "-");
}

}  // namespace
}  // namespace velloran
