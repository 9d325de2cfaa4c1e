#pragma once
// The settings store held in memory, for tests and dry runs. Behaves as the registry does where
// callers can tell: key paths and value names ignore case (the first spelling is kept), missing
// keys and values read as "", subkeys are enumerated sorted by name ignoring case.
//
// A key exists while it holds a value or a subkey: a key emptied by DelKey disappears with it,
// as it does in an INI file, so deleting a missing key leaves nothing behind.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "settings/key_path.h"
#include "settings/settings_store.h"

namespace velloran {

class MemoryStore : public SettingsStore {
public:
    std::string GetString(Root root, const std::string& path, const std::string& name) override;
    void SaveString(Root root, const std::string& path, const std::string& name,
                    const std::string& data) override;
    // A key that still has subkeys stays as it is: the registry refuses to delete it, silently.
    void DelKey(Root root, const std::string& path) override;
    std::string EnumKey(Root root, const std::string& path, std::string& name, int index) override;

private:
    struct Key {
        std::map<std::string, std::string, KeyNameLess> values;
        std::map<std::string, std::unique_ptr<Key>, KeyNameLess> subkeys;
    };

    // The keys from the root down to the key path; shorter than the path when it does not exist.
    std::vector<Key*> chain(Root root, const std::vector<std::string>& parts);
    const Key* find(Root root, const std::string& path);

    std::map<Root, Key> roots_;
};

}  // namespace velloran
