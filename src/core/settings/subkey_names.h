#pragma once
// All subkey names of a key path, enumerated the way every caller loops over EnumKey.
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace velloran {

// The names from index 0 until the first status other than "0"; empty for a missing key path.
std::vector<std::string> subkeyNames(SettingsStore& store, Root root, const std::string& path);

}  // namespace velloran
