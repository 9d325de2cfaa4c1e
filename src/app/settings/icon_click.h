#pragma once
// icon_click, Change Icon: the user picks a file whose picture the selected Configuration list
// entry shows from now on.
#include <QIcon>
#include <optional>
#include <string>

#include "base/file_dialogs.h"
#include "base/message_box.h"
#include "session/editor_session.h"
#include "settings/settings_store.h"

namespace velloran {

struct IconChange {
    std::string key;  // the entry whose picture changes (ImageList1, and ImageList1b)
    QIcon picture;
    bool tabShown = false;  // the configuration is open: its tab shows the picture too
};

// Nothing happens while the list is empty or nothing is selected; a cancelled dialog ends it
// quietly; a file without a picture shows "Invalid Icon" and changes nothing. Otherwise the
// entry's "icon path" becomes the chosen file and the window shows the returned picture.
std::optional<IconChange> icon_click(EditorSession& session, FileDialogs& dialogs,
                                     MessageBoxes& boxes, SettingsStore& store);

}  // namespace velloran
