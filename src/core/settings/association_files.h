#pragma once
// The files that associate configuration files with this program on a freedesktop system: a
// shared-MIME-info package that names the type and a desktop entry that edits it. Paths are
// relative to the user's data folder.
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace velloran::association {

inline constexpr const char* kMimeType = "application/vl-config";
inline constexpr const char* kGlob = "*.vlz";
inline constexpr const char* kMimePackage = "mime/packages/velloran-vlz.xml";
inline constexpr const char* kDesktopId = "velloran.desktop";
// The type's icon below the install's data folder, in the icon theme where the package puts it.
inline constexpr const char* kTypeIcon =
    "icons/hicolor/scalable/mimetypes/application-vl-config.svg";
inline constexpr const char* kDesktopFile = "applications/velloran.desktop";
// Where the default handler is recorded; a choice in the user's own configuration wins.
inline constexpr const char* kMimeAppsList = "applications/mimeapps.list";

// The type's full name: the application title followed by " Configuration Type".
std::string fullName();

// The MIME package: the type, its full name and the glob of configuration files.
std::string mimePackage();

// The desktop entry that opens configuration files in `program`, with its Edit action and
// `icon` (a file path) as its picture.
std::string desktopEntry(std::string_view program, std::string_view icon);

// `path` as one argument of an Exec key: quoted when it holds a reserved character, "%" doubled,
// then escaped as every string value is.
std::string execArgument(std::string_view path);

// The icon of the association: the setting "IconPath", or `defaultIcon` (written to "IconPath")
// when that is empty.
std::string iconPath(SettingsStore& store, const std::string& defaultIcon);

}  // namespace velloran::association
