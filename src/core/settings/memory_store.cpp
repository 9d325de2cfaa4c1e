#include "settings/memory_store.h"

#include <iterator>

namespace velloran {

std::vector<MemoryStore::Key*> MemoryStore::chain(Root root,
                                                  const std::vector<std::string>& parts) {
    std::vector<Key*> keys{&roots_[root]};
    for (const std::string& part : parts) {
        const auto it = keys.back()->subkeys.find(part);
        if (it == keys.back()->subkeys.end()) break;
        keys.push_back(it->second.get());
    }
    return keys;
}

const MemoryStore::Key* MemoryStore::find(Root root, const std::string& path) {
    const std::vector<std::string> parts = splitKeyPath(path);
    const std::vector<Key*> keys = chain(root, parts);
    return keys.size() == parts.size() + 1 ? keys.back() : nullptr;
}

std::string MemoryStore::GetString(Root root, const std::string& path, const std::string& name) {
    const Key* key = find(root, path);
    if (key == nullptr) return "";
    const auto it = key->values.find(name);
    return it == key->values.end() ? "" : it->second;
}

void MemoryStore::SaveString(Root root, const std::string& path, const std::string& name,
                             const std::string& data) {
    Key* key = &roots_[root];
    for (const std::string& part : splitKeyPath(path)) {
        std::unique_ptr<Key>& sub = key->subkeys[part];
        if (!sub) sub = std::make_unique<Key>();
        key = sub.get();
    }
    // Assigning through the found entry keeps the first spelling of the name.
    const auto it = key->values.find(name);
    if (it == key->values.end()) {
        key->values.emplace(name, data);
    } else {
        it->second = data;
    }
}

void MemoryStore::DelKey(Root root, const std::string& path) {
    const std::vector<std::string> parts = splitKeyPath(path);
    const std::vector<Key*> keys = chain(root, parts);
    if (parts.empty() || keys.size() != parts.size() + 1) return;
    if (!keys.back()->subkeys.empty()) return;
    // Remove the key, then every ancestor it leaves holding nothing.
    keys[parts.size() - 1]->subkeys.erase(parts.back());
    for (size_t i = parts.size() - 1; i > 0; --i) {
        if (!keys[i]->values.empty() || !keys[i]->subkeys.empty()) break;
        keys[i - 1]->subkeys.erase(parts[i - 1]);
    }
}

std::string MemoryStore::EnumKey(Root root, const std::string& path, std::string& name, int index) {
    name.clear();
    const Key* key = find(root, path);
    if (key == nullptr || index < 0 || static_cast<size_t>(index) >= key->subkeys.size()) {
        return kEnumNoMore;
    }
    name = std::next(key->subkeys.begin(), index)->first;
    return kEnumFound;
}

}  // namespace velloran
