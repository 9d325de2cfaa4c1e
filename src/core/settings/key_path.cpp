#include "settings/key_path.h"

#include <algorithm>

#include "base/ascii_text.h"

namespace velloran {

bool sameKeyName(std::string_view a, std::string_view b) {
    return equalsIgnoreCase(a, b);
}

bool KeyNameLess::operator()(std::string_view a, std::string_view b) const {
    return lessIgnoreCase(a, b);
}

std::vector<std::string> splitKeyPath(std::string_view path) {
    std::vector<std::string> parts;
    while (!path.empty()) {
        const size_t cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        if (!part.empty()) parts.emplace_back(part);
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return parts;
}

}  // namespace velloran
