#pragma once
// The file-type association on a freedesktop system, in the user's data folder: the MIME
// package of configuration files, the desktop entry that edits them (the default handler of
// their type) and the two databases built from them.
#include <string>
#include <vector>

#include "settings/association_plan.h"
#include "settings/file_association.h"
#include "settings/settings_store.h"

namespace velloran {

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share.
std::string xdgDataHome();

// The system data folders of $XDG_DATA_DIRS, without `dataHome`.
std::vector<std::string> xdgDataDirs(const std::string& dataHome);

class XdgFileAssociation final : public FileAssociation {
public:
    // `program`: the editor's own path; `defaultIcon`: the icon when "IconPath" is empty;
    // `systemFolders`: where an installed package keeps the type and the desktop entry.
    XdgFileAssociation(SettingsStore& store, std::string dataHome,
                       std::vector<std::string> systemFolders, std::string program,
                       std::string defaultIcon);

    // Installing records this program as the type's default handler and writes the type and the
    // desktop entry where the system lacks them (a copy of its own it wrote before goes), then
    // rebuilds the databases; installing twice leaves the same files. Removing takes away what
    // installing wrote, and the databases when nothing else is left in them. Failures are
    // silent; a missing database tool is skipped.
    void reg_vlz(bool associate) override;

private:
    association::SystemAssociation system() const;
    void install();
    void remove();
    void removeDesktopEntry();
    void removeMimePackage();
    std::string path(const char* relative) const;

    SettingsStore& store_;
    std::string dataHome_;
    std::vector<std::string> systemFolders_;
    std::string program_;
    std::string defaultIcon_;
};

}  // namespace velloran
