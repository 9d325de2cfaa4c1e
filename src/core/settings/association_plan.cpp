#include "settings/association_plan.h"

#include <algorithm>

namespace velloran::association {
namespace {

std::string withSlash(std::string_view folder) {
    std::string s(folder);
    if (!s.ends_with('/')) s += '/';
    return s;
}

}  // namespace

UserFiles userFiles(SystemAssociation system) {
    return UserFiles{!system.hasType, !system.hasDesktopEntry};
}

std::vector<std::string> systemDataFolders(const char* value, std::string_view dataHome) {
    const std::string_view list =
        value != nullptr && value[0] != '\0' ? value : "/usr/local/share/:/usr/share/";
    const std::string home = withSlash(dataHome);
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string_view entry = list.substr(start, end - start);
        if (entry.starts_with('/') && withSlash(entry) != home) folders.push_back(withSlash(entry));
        start = end + 1;
    }
    return folders;
}

}  // namespace velloran::association
