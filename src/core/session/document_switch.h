#pragma once
// Moving between configurations: clicking a tab, selecting a list entry.
#include <string_view>

#include "session/editor_session.h"
#include "settings/settings_store.h"

namespace velloran {

// Selects the tab at `index` (0 is the leftmost), shows its file in status panel 1 and makes
// its configuration current; the rows of the current table are then re-marked against the
// devices present.
void tab_click(EditorSession& session, SettingsStore& store, int index);

// Selects a list entry and shows its file in status panel 1; nothing while a test runs.
void select_item(EditorSession& session, SettingsStore& store, std::string_view key);

}  // namespace velloran
