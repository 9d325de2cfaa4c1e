#include "settings/new_file_key.h"

#include <vector>

#include "settings/subkey_names.h"

namespace velloran {

std::string NewFileKey(SettingsStore& store, Root root, const std::string& path,
                       HandedOutKeys& handedOut) {
    const std::vector<std::string> names = subkeyNames(store, root, path);
    const std::set<std::string, KeyNameLess> present(names.begin(), names.end());
    for (long n = 1;; ++n) {
        std::string candidate = "file" + std::to_string(n);
        if (present.contains(candidate) || handedOut.contains(candidate)) continue;
        handedOut.add(candidate);
        return candidate;
    }
}

}  // namespace velloran
