#pragma once
// Close and Delete.
#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// Closes the selected open configuration, asking first to save a changed or never-saved one.
// A never-saved configuration closed without saving is removed altogether. A save that is
// cancelled or fails leaves the configuration open, so no change is lost.
void close_click(EditorSession& session, const DocumentServices& services);

// Removes the selected entry from the list and the store; a configuration that has a file
// has it moved to the trash, or deleted for good when it cannot go there and the user says so
// (otherwise file and entry stay). `confirm` asks the user first.
void delete_click(EditorSession& session, const DocumentServices& services, bool confirm);

}  // namespace velloran
