#include "settings/entry_icon.h"

#include "settings/settings_names.h"

namespace velloran {

FileDialogRequest iconFileRequest(std::string folder) {
    FileDialogRequest r;
    r.folder = std::move(folder);
    r.title = "Select New Icon";
    r.filter =
        "All Files (*.*)|*.*|Icon Files (*.exe, *.dll, *.ico, *.bmp, *.vlz)|"
        "*.exe;*.dll;*.ico;*.bmp;*.vlz";
    r.filterIndex = 2;
    return r;
}

Message invalidIconMessage() {
    return Message{Icon::Exclamation, "Invalid Icon", "This file does not contain a valid Icon."};
}

void setEntryIcon(EditorSession& session, SettingsStore& store, std::string_view key,
                  const std::string& file) {
    if (ListEntry* entry = session.list.find(key)) entry->iconPath = file;
    store.SaveString(Root::CurrentUser, settings::userEntryPath(key), settings::kEntryIconPath,
                     file);
}

}  // namespace velloran
