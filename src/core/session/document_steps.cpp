#include "session/document_steps.h"

#include "settings/settings_names.h"
#include "settings/subkey_names.h"

namespace velloran {

std::string entryValue(SettingsStore& store, std::string_view key, const char* name) {
    return store.GetString(Root::CurrentUser, settings::userEntryPath(key), name);
}

void storeEntryFile(SettingsStore& store, std::string_view key, const std::string& path) {
    const std::string entry = settings::userEntryPath(key);
    store.SaveString(Root::CurrentUser, entry, settings::kEntryPath, path);
    store.SaveString(Root::CurrentUser, entry, settings::kEntryIconPath, path);
}

std::string keyOfPath(SettingsStore& store, const std::string& path) {
    for (const std::string& key : subkeyNames(store, Root::CurrentUser, kUserKey)) {
        if (entryValue(store, key, settings::kEntryPath) == path) return key;
    }
    return {};
}

std::string fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

void addDocument(EditorSession& session, const DocumentServices& services, DocumentSeed seed) {
    if (seed.iconFile.empty()) {
        seed.iconFile = services.paths.defaultIcon();
        services.store.SaveString(Root::CurrentUser, kConfigKey, settings::kIconPath,
                                  seed.iconFile);
    }
    session.list.add(
        ListEntry{seed.key, seed.name, state::New, false, listcolour::Open, seed.iconFile});

    session.tabs.dropPlaceholder();
    session.tabs.remove(seed.key);
    session.tabs.insertFront(Tab{seed.key, seed.name});
    session.SwapSelected(seed.key);
    session.tabs.select(seed.key);

    session.apply(init_listview(session.tables, colour::TableBackground, seed.mode, seed.key,
                                seed.source, session.devices));
    // A strip that holds a configuration is clickable whichever way the table was built.
    session.controls.tabStrip = true;
    if (ListEntry* selected = session.list.selected()) selected->state = state::New;
}

void dropEntry(EditorSession& session, SettingsStore& store, std::string_view key) {
    session.tables.remove(key);
    session.handedOut.remove(std::string(key));
    session.list.remove(key);
    store.DelKey(Root::CurrentUser, settings::userEntryPath(key));
    session.tabs.remove(key);
}

}  // namespace velloran
