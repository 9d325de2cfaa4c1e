#include <gtest/gtest.h>

#include "settings/preferences.h"

namespace velloran {
namespace {

TEST(Preferences, ATimingTypedOutsideItsRangeBecomesTheNearestBound) {
    struct Case {
        const TimingSetting& setting;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {kKeyHoldSetting, "501", "500"},       {kKeyHoldSetting, "-1", "0"},
        {kRepeatRateSetting, "99999", "1000"}, {kRepeatRateSetting, "1000", "1000"},
        {kRotaryRateSetting, "", ""},          {kRotaryRateSetting, "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clampTimingText(c.setting, c.typed), c.shown) << c.setting.name << " " << c.typed;
    }
}

}  // namespace
}  // namespace velloran
