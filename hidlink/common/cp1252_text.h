#pragma once
// Record texts are single-byte Windows-1252; the system hands out UTF-8.
#include <string>
#include <string_view>

namespace hidlink {

// A character Windows-1252 lacks becomes "?"; a byte that is not valid UTF-8 is kept as it is,
// since such text was most likely single-byte already.
std::string toCp1252(std::string_view utf8);

}  // namespace hidlink
