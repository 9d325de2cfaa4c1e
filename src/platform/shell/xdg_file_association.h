#pragma once
// The file-type association on a freedesktop system, in the user's data folder: the MIME
// package of configuration files, the desktop entry that edits them (the default handler of
// their type) and the two databases built from them.
#include <string>

#include "settings/file_association.h"
#include "settings/settings_store.h"

namespace velloran {

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share.
std::string xdgDataHome();

class XdgFileAssociation final : public FileAssociation {
public:
    // `program`: the editor's own path; `defaultIcon`: the icon when "IconPath" is empty.
    XdgFileAssociation(SettingsStore& store, std::string dataHome, std::string program,
                       std::string defaultIcon);

    // Installing writes the files and rebuilds the databases; installing twice leaves the same
    // files. Removing takes away what installing wrote, and the databases when nothing else is
    // left in them. Failures are silent; a missing database tool is skipped.
    void reg_vlz(bool associate) override;

private:
    void install();
    void remove();
    std::string path(const char* relative) const;

    SettingsStore& store_;
    std::string dataHome_;
    std::string program_;
    std::string defaultIcon_;
};

}  // namespace velloran
