#pragma once
// Key paths and names as the store compares them: components separated by backslashes, letters
// compared without regard to case, so "software\velloran\CONFIG" names the settings key.
#include <string>
#include <string_view>
#include <vector>

namespace velloran {

// True when two key or value names are the same apart from the case of ASCII letters.
bool sameKeyName(std::string_view a, std::string_view b);

// Orders names as sameKeyName compares them; used for maps keyed by name and for the order in
// which subkeys are enumerated.
struct KeyNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// The components of a key path; empty components (doubled or trailing backslashes) are dropped,
// so "" is the root itself.
std::vector<std::string> splitKeyPath(std::string_view path);

}  // namespace velloran
