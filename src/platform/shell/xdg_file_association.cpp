#include "shell/xdg_file_association.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "fs/posix_file_system.h"
#include "settings/association_files.h"
#include "settings/association_plan.h"
#include "settings/mime_apps_list.h"
#include "shell/external_tool.h"

namespace velloran {
namespace {

namespace fs = std::filesystem;

// What update-mime-database writes beside the packages folder.
constexpr const char* kMimeDatabaseFiles[] = {
    "aliases",    "generic-icons", "globs",     "globs2", "icons",   "magic",
    "mime.cache", "subclasses",    "treemagic", "types",  "version", "XMLnamespaces"};

void writeFile(const fs::path& file, const std::string& content) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    PosixFileSystem().writeFileAtomically(file.string(), content);
}

std::string readFile(const fs::path& file) {
    Result<std::string> read = PosixFileSystem().readFile(file.string());
    return read.ok() ? read.value() : std::string();
}

// Removes the folder when it is empty.
void removeIfEmpty(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_empty(folder, ec) && !ec) fs::remove(folder, ec);
}

bool holdsDesktopEntries(const fs::path& folder) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path().extension() == ".desktop") return true;
    }
    return false;
}

}  // namespace

std::string xdgDataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') return data;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/share";
}

std::vector<std::string> xdgDataDirs(const std::string& dataHome) {
    return association::systemDataFolders(std::getenv("XDG_DATA_DIRS"), dataHome);
}

XdgFileAssociation::XdgFileAssociation(SettingsStore& store, std::string dataHome,
                                       std::vector<std::string> systemFolders, std::string program,
                                       std::string defaultIcon)
    : store_(store),
      dataHome_(std::move(dataHome)),
      systemFolders_(std::move(systemFolders)),
      program_(std::move(program)),
      defaultIcon_(std::move(defaultIcon)) {}

std::string XdgFileAssociation::path(const char* relative) const {
    return (fs::path(dataHome_) / relative).string();
}

void XdgFileAssociation::reg_vlz(bool associate) {
    if (associate) {
        install();
    } else {
        remove();
    }
}

association::SystemAssociation XdgFileAssociation::system() const {
    association::SystemAssociation found;
    std::error_code ec;
    for (const std::string& folder : systemFolders_) {
        found.hasType = found.hasType || fs::exists(folder + association::kTypeInDatabase, ec);
        found.hasDesktopEntry =
            found.hasDesktopEntry || fs::exists(folder + association::kDesktopFile, ec);
    }
    return found;
}

void XdgFileAssociation::install() {
    const association::UserFiles own = association::userFiles(system());
    if (own.mimePackage) {
        writeFile(path(association::kMimePackage), association::mimePackage());
        runTool("update-mime-database", {path("mime")});
    } else {
        removeMimePackage();
    }
    if (own.desktopEntry) {
        const std::string icon = association::iconPath(store_, defaultIcon_);
        writeFile(path(association::kDesktopFile), association::desktopEntry(program_, icon));
    } else {
        removeDesktopEntry();
    }
    const std::string list = path(association::kMimeAppsList);
    writeFile(list, withDefaultApplication(readFile(list), association::kMimeType,
                                           association::kDesktopId));
    if (own.desktopEntry) runTool("update-desktop-database", {path("applications")});
}

void XdgFileAssociation::remove() {
    std::error_code ec;
    const std::string list = path(association::kMimeAppsList);
    const std::string before = readFile(list);
    const std::string rest =
        withoutDefaultApplication(before, association::kMimeType, association::kDesktopId);
    if (rest != before) {
        if (holdsEntries(rest)) {
            writeFile(list, rest);
        } else {
            fs::remove(list, ec);
            removeIfEmpty(path("applications"));
        }
    }
    removeDesktopEntry();
    removeMimePackage();
}

void XdgFileAssociation::removeDesktopEntry() {
    std::error_code ec;
    const fs::path applications = path("applications");
    if (!fs::remove(path(association::kDesktopFile), ec)) return;
    if (holdsDesktopEntries(applications)) {
        runTool("update-desktop-database", {applications.string()});
    } else {
        fs::remove(applications / "mimeinfo.cache", ec);
    }
    removeIfEmpty(applications);
}

void XdgFileAssociation::removeMimePackage() {
    std::error_code ec;
    const fs::path mime = path("mime");
    if (!fs::remove(path(association::kMimePackage), ec)) return;
    if (!fs::is_empty(mime / "packages", ec)) {
        runTool("update-mime-database", {mime.string()});
        return;
    }
    // Nothing else is described: the database built from our package goes with it.
    for (const char* file : kMimeDatabaseFiles) fs::remove(mime / file, ec);
    fs::remove(mime / (std::string(association::kMimeType) + ".xml"), ec);
    removeIfEmpty(mime / "application");
    removeIfEmpty(mime / "packages");
    removeIfEmpty(mime);
}

}  // namespace velloran
