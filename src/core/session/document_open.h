#pragma once
// Load and Open: listing a configuration file and reading it into its table.
#include <string>
#include <vector>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// Lists the file (asked for in the load dialog, or `path` without it) and opens it. A file
// that is listed already opens its existing entry, with a notice when it is open.
void load_click(EditorSession& session, const DocumentServices& services, bool showDialog,
                std::string path);

// Makes the selected entry current, giving it a tab and a table, and reads its file when it is
// not loaded yet (state 1). A file that cannot be read is handled as its failure says: the
// entry may be closed, removed (and its file moved to the trash), or the window asked to close.
void open_click(EditorSession& session, const DocumentServices& services);

// A double click on a list entry opens it, unless a test is running.
void item_double_click(EditorSession& session, const DocumentServices& services);

// Files dropped on the window: the first is loaded, unless a test is running.
void drop_files(EditorSession& session, const DocumentServices& services,
                const std::vector<std::string>& paths);

}  // namespace velloran
