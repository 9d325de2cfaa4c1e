#pragma once
// Where the installed editor finds its folders.
#include <QString>

#include "session/document_services.h"

namespace velloran {

// The per-user data folder (QStandardPaths::AppDataLocation), the install's read-only data
// folder beside the program's ("<prefix>/bin/velloran" reads "<prefix>/share/"), and
// the program's own folder; each ends in "/". Needs the application object.
SessionPaths qtSessionPaths();

// `folder` with a trailing "/".
std::string withSlash(const QString& folder);

}  // namespace velloran
