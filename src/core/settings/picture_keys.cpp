#include "settings/picture_keys.h"

#include <algorithm>
#include <charconv>

namespace velloran {
namespace {

constexpr std::string_view kPrefix = "key.";

}  // namespace

std::string PictureKeys::UpdateKey(std::string_view key, std::string_view action) {
    if (action == "remove") {
        if (!key.starts_with(kPrefix)) return std::string(key);
        const std::string_view digits = key.substr(kPrefix.size());
        std::size_t n = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (ec == std::errc() && end == digits.data() + digits.size() && n >= 1 &&
            n <= used_.size()) {
            used_[n - 1] = false;
        }
        return std::string(key);
    }
    auto free = std::find(used_.begin(), used_.end(), false);
    if (free == used_.end()) free = used_.insert(used_.end(), false);
    *free = true;
    return std::string(kPrefix) + std::to_string(free - used_.begin() + 1);
}

}  // namespace velloran
