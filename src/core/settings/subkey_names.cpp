#include "settings/subkey_names.h"

namespace velloran {

std::vector<std::string> subkeyNames(SettingsStore& store, Root root, const std::string& path) {
    std::vector<std::string> names;
    std::string name;
    // Stopping at any status but "0" (not only at "259") cannot loop forever on an odd back end.
    for (int index = 0; store.EnumKey(root, path, name, index) == kEnumFound; ++index) {
        names.push_back(name);
    }
    return names;
}

}  // namespace velloran
