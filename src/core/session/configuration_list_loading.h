#pragma once
// Building the Configuration list at start-up from the store's entries and the configuration
// files of the configuration folder.
#include <string>
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// Whether the file `name` is a configuration file: "*.vlz", in any case.
bool isConfigurationFile(std::string_view name);

// Gives every "*.vlz" file of `folder` (ending in "/") that no entry names an entry of its
// own; deletes entries whose file is gone and entries naming a file an earlier entry names;
// lists the rest closed (state 1, ghosted, grey) and selects the first.
void loadConfigurationList(EditorSession& session, const DocumentServices& services,
                           const std::string& folder);

}  // namespace velloran
