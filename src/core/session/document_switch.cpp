#include "session/document_switch.h"

#include "session/document_steps.h"
#include "table/refresh_row_states.h"
#include "settings/key_path.h"
#include "settings/settings_names.h"

namespace velloran {

void tab_click(EditorSession& session, SettingsStore& store, int index) {
    if (!session.tabs.selectIndex(index)) return;
    const std::string key = session.tabs.selected()->key;
    session.statusPanel1 = entryValue(store, key, settings::kEntryPath);
    const bool placeholder = sameKeyName(key, kBlankKey);
    if (!placeholder &&
        (!sameKeyName(key, session.currentKey) || !sameKeyName(key, session.list.selectedKey()))) {
        session.show(key);
    }
    if (MappingTable* table = session.currentTable()) refresh_row_states(*table, session.devices);
}

void select_item(EditorSession& session, SettingsStore& store, std::string_view key) {
    if (session.testing) return;
    session.list.select(key);
    session.statusPanel1 = entryValue(store, key, settings::kEntryPath);
}

}  // namespace velloran
