#pragma once
// Case-insensitive comparison of ASCII letters, the way device identities, configuration keys
// and settings key paths are matched. Independent of the process locale, which the GUI toolkit
// sets to the user's.
#include <string_view>

namespace velloran {

constexpr char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool lessIgnoreCase(std::string_view a, std::string_view b);

}  // namespace velloran
