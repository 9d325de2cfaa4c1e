#include "settings/icon_click.h"

#include "session/config_folder.h"
#include "settings/entry_icon.h"
#include "settings/icon_lookup.h"

namespace velloran {

std::optional<IconChange> icon_click(EditorSession& session, FileDialogs& dialogs,
                                     MessageBoxes& boxes, SettingsStore& store) {
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr) return std::nullopt;
    const std::string key = selected->key;
    const std::optional<std::string> file = dialogs.openFile(iconFileRequest(dialogFolder(store, key)));
    if (!file) return std::nullopt;

    QIcon picture = GetAssociatedIcon(QString::fromStdString(*file));
    if (picture.isNull()) {
        boxes.show(invalidIconMessage());
        return std::nullopt;
    }
    setEntryIcon(session, store, key, *file);
    const ListEntry* entry = session.list.find(key);
    return IconChange{key, std::move(picture), entry != nullptr && !entry->ghosted};
}

}  // namespace velloran
