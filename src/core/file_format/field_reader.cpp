#include "file_format/field_reader.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "file_format/cp1252.h"

namespace velloran {

namespace {

using Word = std::uint64_t;
constexpr Word kOnes = 0x0101010101010101U;
constexpr Word kHighBits = 0x8080808080808080U;

// Eight bytes from `p`, the first in the lowest bits whatever the machine's byte order, so that
// the lowest set bit of a mark belongs to the first byte found.
Word loadWord(const char* p) {
    Word w = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&w, p, sizeof w);
    } else {
        for (int k = 7; k >= 0; --k) w = (w << 8) | static_cast<unsigned char>(p[k]);
    }
    return w;
}

// Marks with its high bit each byte of `w` equal to the byte repeated in `pattern`. The borrow
// can also mark bytes after a marked one, so only the first mark can be trusted.
Word bytesEqual(Word w, Word pattern) {
    const Word x = w ^ pattern;
    return (x - kOnes) & ~x & kHighBits;
}

// Index of the first marked byte.
std::size_t firstMarked(Word marks) {
    return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
}

// The bytes of a word before its byte `k`.
Word bytesBefore(std::size_t k) {
    return (Word{1} << (8 * k)) - 1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool equalsIgnoreCase(std::string_view a, std::string_view upper) {
    if (a.size() != upper.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

}  // namespace

FieldReader::Span FieldReader::scan(char stop, std::size_t from) const {
    const Word stops = kOnes * static_cast<unsigned char>(stop);
    const Word crs = kOnes * static_cast<unsigned char>('\r');
    const Word lfs = kOnes * static_cast<unsigned char>('\n');
    Word seen = 0;  // the bytes passed, or-ed together: their high bit tells of a byte >= 0x80
    std::size_t i = from;
    // A file holds hundreds of thousands of short fields: eight bytes at a time.
    for (; i + sizeof(Word) <= in_.size(); i += sizeof(Word)) {
        const Word w = loadWord(in_.data() + i);
        const Word marks = bytesEqual(w, stops) | bytesEqual(w, crs) | bytesEqual(w, lfs);
        if (marks != 0) {
            const std::size_t k = firstMarked(marks);
            seen |= w & bytesBefore(k);
            return {i + k, (seen & kHighBits) == 0};
        }
        seen |= w;
    }
    for (; i < in_.size(); ++i) {
        const char c = in_[i];
        if (c == stop || c == '\r' || c == '\n') break;
        seen |= static_cast<unsigned char>(c);
    }
    return {i, (seen & kHighBits) == 0};
}

void FieldReader::skipDelimiter() {
    if (pos_ >= in_.size()) return;
    if (in_[pos_] == ',') {
        ++pos_;
    } else if (in_[pos_] == '\r') {
        ++pos_;
        if (pos_ < in_.size() && in_[pos_] == '\n') ++pos_;
    } else if (in_[pos_] == '\n') {
        ++pos_;
    }
}

std::optional<RuntimeError> FieldReader::next(Tag& field) {
    if (atEnd()) return runtimeError(err::InputPastEndOfFile);
    while (pos_ < in_.size() && isBlank(in_[pos_])) ++pos_;
    if (pos_ < in_.size() && in_[pos_] == '"') {
        readQuoted(field);
    } else {
        readUnquoted(field);
    }
    return std::nullopt;
}

void FieldReader::readQuoted(Tag& field) {
    const std::size_t start = ++pos_;
    const Span span = scan('"', start);
    pos_ = span.end;
    const std::string_view content = in_.substr(start, pos_ - start);
    if (pos_ < in_.size() && in_[pos_] == '"') {
        ++pos_;
        // Usually the line ends right after the quote.
        while (pos_ < in_.size() && in_[pos_] != ',' && in_[pos_] != '\r' && in_[pos_] != '\n') {
            ++pos_;
        }
    }
    skipDelimiter();
    std::string& text = field.emplaceText();
    if (span.ascii) {
        text.assign(content);
    } else {
        appendAsUtf8(text, content);
    }
}

void FieldReader::readUnquoted(Tag& field) {
    const std::size_t start = pos_;
    pos_ = scan(',', start).end;
    std::string_view content = in_.substr(start, pos_ - start);
    skipDelimiter();
    while (!content.empty() && isBlank(content.back())) content.remove_suffix(1);

    if (content.empty()) {
        field = Tag();
    } else if (equalsIgnoreCase(content, "#TRUE#")) {
        field = Tag::boolean(true);
    } else if (equalsIgnoreCase(content, "#FALSE#")) {
        field = Tag::boolean(false);
    } else {
        std::string& text = field.emplaceText();
        appendAsUtf8(text, content);
        if (const auto n = parseNumber(text)) field = Tag::number(*n);
    }
}

}  // namespace velloran
