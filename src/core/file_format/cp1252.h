#pragma once
// Configuration files hold Windows-1252 text; the program works in UTF-8.
#include <string>
#include <string_view>

namespace velloran {

// Decodes every byte. The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become U+0081 and so on, as Windows decodes them, so that they survive a load and a save.
std::string cp1252ToUtf8(std::string_view bytes);

// The same, appended to `out` (the reader decodes each field into the text that keeps it).
void appendAsUtf8(std::string& out, std::string_view bytes);

// Encodes UTF-8 text; a character Windows-1252 cannot hold, or a byte that is not valid UTF-8,
// becomes "?".
std::string utf8ToCp1252(std::string_view text);

// The same, appended to `out` (the writer builds a whole file in one string).
void appendAsCp1252(std::string& out, std::string_view text);

}  // namespace velloran
