#pragma once
// Choosing the configuration key (file1, file2, ...) of a new Configuration list entry.
#include <set>
#include <string>

#include "settings/key_path.h"
#include "settings/settings_store.h"

namespace velloran {

// The keys NewFileKey has returned during this run. A New and a Clone not yet saved have no
// entry in the store, so only this list keeps them from getting the same key. Close takes a key
// off the list again.
class HandedOutKeys {
public:
    void add(const std::string& key) { keys_.insert(key); }
    void remove(const std::string& key) { keys_.erase(key); }
    void clear() { keys_.clear(); }
    bool contains(const std::string& key) const { return keys_.contains(key); }

private:
    std::set<std::string, KeyNameLess> keys_;
};

// The first "file<n>" (n = 1, 2, ...) that is neither a subkey of the key path nor handed out;
// it is added to the handed-out keys. Subkey names compare ignoring case, as the store does, so
// an entry "File2" occupies file2.
std::string NewFileKey(SettingsStore& store, Root root, const std::string& path,
                       HandedOutKeys& handedOut);

}  // namespace velloran
