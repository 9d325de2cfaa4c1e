#pragma once
// The main window's start-up and shutdown rules that concern documents and settings: the
// settings start-up writes, the Configuration list, the template table, the file named on the
// command line, and the question before closing with unsaved configurations.
#include <string>
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

struct StartupSettings {
    bool associate = true;     // install the file-type association (false: remove it)
    std::string configFolder;  // ends in "/"
};

// The start-up of the session (startmeup): "associate" defaults to "True"; "ConfigPath"
// defaults to the data folder's "config/" and always ends in "/", stored back when changed;
// the Configuration list is built from the store and the configuration folder; nothing is
// open and the template table is registered under "BLANK".
StartupSettings startmeup(EditorSession& session, const DocumentServices& services);

// The configuration file named on the command line, as a full path; "" when there is none. A
// text of one character is no path; one that starts with a double quote loses its first and
// last characters.
std::string commandLinePath(std::string_view commandLine, Folders& folders);

// Loads the file named on the command line, without the load dialog.
void openFromCommandLine(EditorSession& session, const DocumentServices& services,
                         std::string_view commandLine);

// Whether the main window may close: when an open configuration is changed or never saved,
// the user is asked once.
bool Form_QueryUnload(const EditorSession& session, MessageBoxes& boxes);

}  // namespace velloran
