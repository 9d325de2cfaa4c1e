#pragma once
// Run: the selected configuration in runvale, the headless runner.
#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// Starts runvale with the selected entry's file: the one beside the editor when there is one,
// else the one on the search path. Then asks the window to minimise.
void MNrun_Click(EditorSession& session, const DocumentServices& services);

}  // namespace velloran
