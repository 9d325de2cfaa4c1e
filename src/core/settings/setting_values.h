#pragma once
// Reading settings the way their users do: an empty value means "not set", and the reader
// writes the default so the next reader finds it.
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace velloran {

// The named value under the settings key of the current user; when it reads "", `defaultText`
// is written there and returned.
std::string settingOrDefault(SettingsStore& store, const std::string& name,
                             const std::string& defaultText);

// The number a text starts with: blanks, an optional sign, digits and a decimal part; 0 when the
// text does not start with a number ("12ms" is 12, "abc" is 0).
double numericValue(std::string_view text);

// A timing setting ("RepeatRate", "RotaryRate", "KeyHold"): settingOrDefault read as a number.
double numberSetting(SettingsStore& store, const std::string& name, const std::string& defaultText);

// "True" or "False", as Booleans are stored.
const char* booleanText(bool value);

// Whether a stored Boolean text is true: "True" in any case of letters.
bool isTrueText(std::string_view text);

}  // namespace velloran
