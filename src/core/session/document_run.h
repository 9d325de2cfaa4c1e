#pragma once
// Run: the selected configuration in runvale, the headless runner.
#include <string>
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// Starts runvale with the selected entry's file: the one beside the editor when there is one,
// else the one on the search path. The status bar says that the file plays, or, when a runvale
// played it already (a second runvale makes that one reload it and ends), that it was reloaded.
// Then asks the window to minimise.
void MNrun_Click(EditorSession& session, const DocumentServices& services);

// The status bar's text after Run: "Playing NAME in runvale" or "Reloaded NAME in the runvale
// that plays it".
std::string runStatusText(std::string_view fileName, bool playedAlready);

}  // namespace velloran
