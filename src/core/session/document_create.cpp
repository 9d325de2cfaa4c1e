#include "session/document_create.h"

#include "session/document_steps.h"
#include "settings/settings_names.h"

namespace velloran {

void new_click(EditorSession& session, const DocumentServices& services, NewMode mode,
               std::string_view key, const MappingTable* source) {
    SettingsStore& store = services.store;
    const ListEntry* selected = session.list.selected();
    if (selected != nullptr) session.currentKey = selected->key;

    DocumentSeed seed;
    seed.source = source;
    switch (mode) {
        case NewMode::New:
            seed.mode = TableMode::FromDevices;
            seed.iconFile = store.GetString(Root::CurrentUser, kConfigKey, settings::kIconPath);
            seed.name = "New Config.vlz";
            seed.key = NewFileKey(store, Root::CurrentUser, kUserKey, session.handedOut);
            break;
        case NewMode::Clone:
            seed.mode = TableMode::Clone;
            seed.iconFile = entryValue(store, session.currentKey, settings::kEntryIconPath);
            seed.name = "Copy of " + (selected != nullptr ? selected->text : std::string());
            seed.key = NewFileKey(store, Root::CurrentUser, kUserKey, session.handedOut);
            break;
        case NewMode::Recreate:
            seed.mode = TableMode::Empty;
            seed.iconFile = entryValue(store, key, settings::kEntryIconPath);
            seed.name = fileNameOf(entryValue(store, key, settings::kEntryPath));
            seed.key = std::string(key);
            break;
    }
    addDocument(session, services, std::move(seed));
}

void clone_click(EditorSession& session, const DocumentServices& services) {
    if (session.tabs.noneOpen()) return;
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr) return;
    new_click(session, services, NewMode::Clone, {}, session.tables.find(selected->key));
}

}  // namespace velloran
