#include "file_format/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace velloran {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Marks a malformed UTF-8 sequence.
constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the character at `i` and moves past it; on a malformed sequence moves one byte only,
// so that every stray byte becomes one "?".

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kInvalid;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) {
        ++i;
        return kInvalid;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return kInvalid;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

char encodeOne(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t b = 0; b < kHighControls.size(); ++b) {
        if (kHighControls[b] == c) return static_cast<char>(0x80 + b);
    }
    return '?';
}

// Length of the leading run of ASCII bytes, which read the same in both encodings; eight at a
// time, since most texts are plain ASCII.
std::size_t asciiPrefix(std::string_view s) {
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= s.size(); i += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, sizeof word);
        if ((word & 0x8080808080808080U) != 0) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

}  // namespace

void appendAsUtf8(std::string& out, std::string_view bytes) {
    std::size_t ascii = asciiPrefix(bytes);
    if (ascii == bytes.size()) {
        out.append(bytes);
        return;
    }
    // A high byte takes two or three bytes in UTF-8.
    out.reserve(out.size() + bytes.size() + 2 * (bytes.size() - ascii));
    for (;;) {
        out.append(bytes.substr(0, ascii));
        bytes.remove_prefix(ascii);
        if (bytes.empty()) return;
        const auto b = static_cast<unsigned char>(bytes.front());
        appendUtf8(out, b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char32_t>(b));
        bytes.remove_prefix(1);
        ascii = asciiPrefix(bytes);
    }
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    appendAsUtf8(out, bytes);
    return out;
}

void appendAsCp1252(std::string& out, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t ascii = asciiPrefix(text.substr(i));
        out.append(text.substr(i, ascii));
        i += ascii;
        if (i == text.size()) break;
        const char32_t c = nextCodePoint(text, i);
        out += c == kInvalid ? '?' : encodeOne(c);
    }
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendAsCp1252(out, text);
    return out;
}

}  // namespace velloran
