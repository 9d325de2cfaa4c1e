#pragma once
// Value names and defaults of the settings, and where the Configuration list entries live.
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace velloran::settings {

// Values under kConfigKey.
inline constexpr const char* kAssociate = "associate";
// "True" while a device button pressed outside a test selects its row; off unless set.
inline constexpr const char* kFollowController = "FollowController";
inline constexpr const char* kConfigPath = "ConfigPath";
inline constexpr const char* kIconPath = "IconPath";
inline constexpr const char* kRepeatRate = "RepeatRate";
inline constexpr const char* kRotaryRate = "RotaryRate";
inline constexpr const char* kKeyHold = "KeyHold";

// Values of each Configuration list entry.
inline constexpr const char* kEntryPath = "path";
inline constexpr const char* kEntryIconPath = "icon path";

// Booleans are stored as these texts.
inline constexpr const char* kTrue = "True";
inline constexpr const char* kFalse = "False";

// Defaults written when a value reads empty. Start-up writes kTrue for "associate"; the
// Preferences dialog writes kFalse when it is the first to find it empty.
inline constexpr const char* kAssociateDefault = kTrue;
inline constexpr const char* kRepeatRateDefault = "500";
inline constexpr const char* kRotaryRateDefault = "35";
inline constexpr const char* kKeyHoldDefault = "0";

// The key path of the Configuration list entry with this configuration key.
inline std::string userEntryPath(std::string_view key) {
    return std::string(kUserKey) + "\\" + std::string(key);
}

}  // namespace velloran::settings
