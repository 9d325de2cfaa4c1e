#include <gtest/gtest.h>

#include <vector>

#include "settings/memory_store.h"
#include "settings/preferences.h"

namespace velloran {
namespace {

constexpr const char* kDefaultFolder = "/home/u/.local/share/velloran/config/";

class RecordingAssociation : public FileAssociation {
public:
    std::vector<bool> calls;
    void reg_vlz(bool associate) override { calls.push_back(associate); }
};

std::string setting(MemoryStore& store, const char* name) {
    return store.GetString(Root::CurrentUser, kConfigKey, name);
}

TEST(Preferences, ApplyWritesEverythingAndReturnsTheTimingsInSeconds) {
    MemoryStore store;
    RecordingAssociation association;
    const AppliedPreferences applied = applyPreferences(
        store, association, PreferencesValues{true, "20ms", "100", "12.5", "/cfg"}, kDefaultFolder);

    EXPECT_EQ(setting(store, settings::kConfigPath), "/cfg/");
    EXPECT_EQ(setting(store, settings::kKeyHold), "20");
    EXPECT_EQ(applied.configFolder, "/cfg/");
    EXPECT_EQ(applied.timings, (EngineTimings{0.1, 0.0125, 20}));

    const AppliedPreferences off = applyPreferences(
        store, association, PreferencesValues{false, "", "abc", "35", ""}, kDefaultFolder);
    EXPECT_EQ(association.calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(setting(store, settings::kAssociate), "False");
    EXPECT_EQ(setting(store, settings::kConfigPath), kDefaultFolder);
    EXPECT_EQ(setting(store, settings::kRepeatRate), "0");
    EXPECT_EQ(off.timings, (EngineTimings{0, 0.035, 0}));
}

TEST(Preferences, ButtonsEnableOnEditAndApplyDisablesApplyAndCancel) {
    PreferencesButtons b;
    EXPECT_EQ(b, (PreferencesButtons{false, false, true}));
    b.edited();
    EXPECT_EQ(b, (PreferencesButtons{true, true, true}));
    b.applied();
    EXPECT_EQ(b, (PreferencesButtons{true, false, false}));
}

}  // namespace
}  // namespace velloran
