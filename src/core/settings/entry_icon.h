#pragma once
// Change Icon without its pictures: the file dialog it opens, its message for a file without a
// picture, and where the chosen file is remembered.
#include <string>
#include <string_view>

#include "base/file_dialogs.h"
#include "base/message_box.h"
#include "session/editor_session.h"
#include "settings/settings_store.h"

namespace velloran {

// "Select New Icon", icon files preselected.
FileDialogRequest iconFileRequest(std::string folder);

// "This file does not contain a valid Icon.", titled "Invalid Icon".
Message invalidIconMessage();

// Makes `file` the icon file of the entry `key`: its "icon path" in the list and in the store.
void setEntryIcon(EditorSession& session, SettingsStore& store, std::string_view key,
                  const std::string& file);

}  // namespace velloran
