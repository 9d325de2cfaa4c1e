#pragma once
// How the user's association shares the work with an installed package: the system's data
// folders may already describe the type and hold the desktop entry, and then the user's own
// copies would be a second type and a second entry. Only the default handler is always the
// user's to record.
#include <string>
#include <string_view>
#include <vector>

namespace velloran::association {

// The type in a data folder's MIME database, as update-mime-database writes it from any
// package that describes it.
inline constexpr const char* kTypeInDatabase = "mime/application/vl-config.xml";

struct SystemAssociation {
    bool hasType = false;          // kTypeInDatabase in a system data folder
    bool hasDesktopEntry = false;  // kDesktopFile in a system data folder
};

// The user's own files: each only where the system lacks it.
struct UserFiles {
    bool mimePackage = false;
    bool desktopEntry = false;
};
UserFiles userFiles(SystemAssociation system);

// The system data folders of $XDG_DATA_DIRS (`value`, null when unset), each ending in "/":
// "/usr/local/share/" and "/usr/share/" when it is unset or empty. Relative entries and the
// user's own data folder `dataHome` are left out, so that the user's files never count as the
// system's.
std::vector<std::string> systemDataFolders(const char* value, std::string_view dataHome);

}  // namespace velloran::association
