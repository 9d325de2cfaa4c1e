#include "sdl/by_path_links.h"

#include <system_error>

namespace velloran {

namespace fsys = std::filesystem;

ByPathLinks::ByPathLinks(const fsys::path& folder) {
    std::error_code ec;
    for (fsys::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_symlink(ec)) continue;
        const std::string node = fsys::weakly_canonical(it->path(), ec).string();
        if (ec) continue;
        const std::string name = it->path().filename().string();
        auto [slot, added] = names_.try_emplace(node, name);
        if (!added && name < slot->second) slot->second = name;
    }
}

std::string ByPathLinks::nameFor(const std::string& node) const {
    std::error_code ec;
    const auto found = names_.find(fsys::weakly_canonical(node, ec).string());
    return ec || found == names_.end() ? std::string() : found->second;
}

}  // namespace velloran
