#include "session/configuration_list_loading.h"

#include <algorithm>
#include <set>
#include <vector>

#include "session/document_steps.h"
#include "settings/key_path.h"
#include "settings/settings_names.h"
#include "settings/subkey_names.h"

namespace velloran {

namespace {

std::set<std::string> listedPaths(SettingsStore& store) {
    std::set<std::string> paths;
    for (const std::string& key : subkeyNames(store, Root::CurrentUser, kUserKey)) {
        paths.insert(entryValue(store, key, settings::kEntryPath));
    }
    return paths;
}

}  // namespace

// The extension compares as the platform it came from did: without regard to case.
bool isConfigurationFile(std::string_view name) {
    constexpr std::string_view kExtension = ".vlz";
    return name.size() > kExtension.size() &&
           sameKeyName(name.substr(name.size() - kExtension.size()), kExtension);
}

void loadConfigurationList(EditorSession& session, const DocumentServices& services,
                           const std::string& folder) {
    SettingsStore& store = services.store;
    const std::set<std::string> listed = listedPaths(store);
    // Sorted, so that the same folder gives the same keys whatever order the platform lists.
    std::vector<std::string> names = services.folders.fileNames(folder);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = folder + name;
        if (!isConfigurationFile(name) || listed.contains(path)) continue;
        storeEntryFile(store, NewFileKey(store, Root::CurrentUser, kUserKey, session.handedOut),
                       path);
    }

    std::set<std::string> seen;
    for (const std::string& key : subkeyNames(store, Root::CurrentUser, kUserKey)) {
        const std::string path = entryValue(store, key, settings::kEntryPath);
        if (path.empty() || !services.files.exists(path) || !seen.insert(path).second) {
            store.DelKey(Root::CurrentUser, settings::userEntryPath(key));
            continue;
        }
        std::string icon = entryValue(store, key, settings::kEntryIconPath);
        session.list.add(ListEntry{key, fileNameOf(path), state::Listed, true, listcolour::Closed,
                                   icon.empty() ? path : std::move(icon)});
    }
    if (!session.list.empty()) session.list.select(session.list.entries().front().key);
}

}  // namespace velloran
