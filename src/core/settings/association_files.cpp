#include "settings/association_files.h"

#include "base/version.h"
#include "settings/setting_values.h"
#include "settings/settings_names.h"

namespace velloran::association {
namespace {

// The escapes of a string value of a desktop entry.
std::string escapeValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool needsQuotes(std::string_view path) {
    return path.empty() || path.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string_view::npos;
}

}  // namespace

std::string fullName() {
    return std::string(kProductName) + " Configuration Type";
}

std::string mimePackage() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kMimeType) +
           "\">\n"
           "    <comment>" +
           fullName() +
           "</comment>\n"
           "    <glob pattern=\"" +
           std::string(kGlob) +
           "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string execArgument(std::string_view path) {
    std::string arg;
    const bool quoted = needsQuotes(path);
    if (quoted) arg += '"';
    for (const char c : path) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) arg += '\\';
        if (c == '%') arg += '%';
        arg += c;
    }
    if (quoted) arg += '"';
    return escapeValue(arg);
}

std::string desktopEntry(std::string_view program, std::string_view icon) {
    const std::string exec = execArgument(program) + " %f";
    const std::string name(kProductName);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           name +
           "\n"
           "Comment=Edit key-mapping configurations of game controllers\n"
           "Exec=" +
           exec +
           "\n"
           "Icon=" +
           escapeValue(icon) +
           "\n"
           "Terminal=false\n"
           "Categories=Utility;\n"
           "MimeType=" +
           std::string(kMimeType) +
           ";\n"
           "Actions=Edit;\n"
           "\n"
           "[Desktop Action Edit]\n"
           "Name=Edit\n"
           "Exec=" +
           exec + "\n";
}

std::string iconPath(SettingsStore& store, const std::string& defaultIcon) {
    return settingOrDefault(store, settings::kIconPath, defaultIcon);
}

}  // namespace velloran::association
