#pragma once
// What the document commands need from outside the core: the user's answers, the settings
// store, files and folders, starting runvale, the desktop trash, and where the program's
// folders are. The editor passes its platform back ends, tests pass fakes.
#include <optional>
#include <string>
#include <vector>

#include "base/file_dialogs.h"
#include "base/file_system.h"
#include "base/message_box.h"
#include "base/runtime_error.h"
#include "settings/association_files.h"
#include "settings/settings_store.h"

namespace velloran {

// Starts another program without waiting for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    // False when the program could not be started. `program` without a folder is looked up
    // on the search path.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::string& workingFolder) = 0;
    // Whether a runvale plays this configuration file now.
    virtual bool runnerPlays(const std::string& configuration) = 0;
};

// The desktop trash, from which the user can restore a deleted configuration, and deleting
// for good where a volume has no trash.
class Trash {
public:
    virtual ~Trash() = default;
    virtual std::optional<RuntimeError> moveToTrash(const std::string& path) = 0;
    virtual std::optional<RuntimeError> deletePermanently(const std::string& path) = 0;
};

// Folders of the installed program; each ends in "/".
struct SessionPaths {
    std::string dataFolder;     // per-user, writable: configurations by default
    std::string assetFolder;    // the install's read-only data ("<prefix>/share/")
    std::string programFolder;  // where the editor's binary is; runvale is looked for here first

    std::string defaultConfigFolder() const { return dataFolder + "config/"; }
    // The file type's icon, which is the configuration icon: the default "IconPath".
    std::string defaultIcon() const { return assetFolder + association::kTypeIcon; }
    std::string runvaleBeside() const { return programFolder + "runvale"; }
};

struct DocumentServices {
    MessageBoxes& boxes;
    FileDialogs& dialogs;
    SettingsStore& store;
    FileSystem& files;
    Folders& folders;
    Launcher& launcher;
    Trash& trash;
    SessionPaths paths;
};

}  // namespace velloran
