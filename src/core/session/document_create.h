#pragma once
// New and Clone: configurations that exist only in memory until they are saved.
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

enum class NewMode {
    Recreate = 1,  // the open document of an existing entry, built anew under `key`
    New = 2,       // one default row per detected button
    Clone = 4,     // a copy of `source`
};

// Adds the document's list entry, tab and table and makes it current in state 2. New and
// Clone take a fresh key; the list is not written to the store until the document is saved.
void new_click(EditorSession& session, const DocumentServices& services, NewMode mode,
               std::string_view key = {}, const MappingTable* source = nullptr);

// Clones the selected configuration, when one is open.
void clone_click(EditorSession& session, const DocumentServices& services);

}  // namespace velloran
