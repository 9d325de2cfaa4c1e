#include <gtest/gtest.h>

#include <vector>

#include "settings/memory_store.h"
#include "settings/preferences.h"
#include "settings/setting_values.h"

namespace velloran {
namespace {

class RecordingAssociation : public FileAssociation {
public:
    std::vector<bool> calls;
    void reg_vlz(bool associate) override { calls.push_back(associate); }
};

std::string setting(MemoryStore& store, const char* name) {
    return store.GetString(Root::CurrentUser, kConfigKey, name);
}

TEST(SettingValues, EmptySettingGetsItsDefaultWrittenAndNumbersAreTheLeadingNumber) {
    MemoryStore store;
    EXPECT_EQ(numberSetting(store, settings::kRepeatRate, "500"), 500);
    EXPECT_EQ(setting(store, settings::kRepeatRate), "500");
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kRepeatRate, "20");
    EXPECT_EQ(numberSetting(store, settings::kRepeatRate, "500"), 20);
    for (const auto& [text, value] : {std::pair{"  35", 35.0}, {"12ms", 12}, {"-5", -5},
                                      {".5", 0.5}, {"", 0}, {"inf", 0}, {"--1", 0}, {"1e3", 1}}) {
        EXPECT_EQ(numericValue(text), value) << text;
    }
    EXPECT_TRUE(isTrueText("TRUE"));
}

TEST(Preferences, ApplyWritesEverythingAndReturnsTheTimingsInSeconds) {
    MemoryStore store;
    RecordingAssociation association;
    const std::string folder = "/home/u/.local/share/velloran/config/";
    const auto apply = [&](const PreferencesValues& values) {
        return applyPreferences(store, association, values, folder);
    };
    EXPECT_EQ(apply({true, "20ms", "100", "12.5", "/cfg"}).timings,
              (EngineTimings{0.1, 0.0125, 20}));
    EXPECT_EQ(setting(store, settings::kConfigPath), "/cfg/");
    EXPECT_EQ(setting(store, settings::kKeyHold), "20");

    const AppliedPreferences off = apply({false, "", "abc", "35", ""});
    EXPECT_EQ(off.timings, (EngineTimings{0, 0.035, 0}));
    EXPECT_EQ(off.configFolder, folder);
    EXPECT_EQ(association.calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(setting(store, settings::kAssociate), "False");
    EXPECT_EQ(setting(store, settings::kConfigPath), folder);
    EXPECT_EQ(setting(store, settings::kRepeatRate), "0");
}

// Within the range, or no number yet, a text stays as typed.
TEST(Preferences, ATimingTypedOutsideItsRangeBecomesTheNearestBound) {
    for (const auto& [setting, typed, shown] :
         {std::tuple{&kKeyHoldSetting, "501", "500"}, {&kKeyHoldSetting, "-1", "0"},
          {&kRepeatRateSetting, "1000", "1000"}, {&kRotaryRateSetting, "", ""},
          {&kRotaryRateSetting, "-", "-"}}) {
        EXPECT_EQ(clampTimingText(*setting, typed), shown) << setting->name << typed;
    }
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
