#include "config/field_reader.h"

#include <string>

#include "config/cp1252.h"

namespace velloran {

namespace {

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

bool FieldReader::atLineEnd() const {
    return pos_ < in_.size() && (in_[pos_] == '\r' || in_[pos_] == '\n');
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

Result<Tag> FieldReader::next() {
    if (atEnd()) return runtimeError(err::InputPastEndOfFile);
    while (pos_ < in_.size() && isBlank(in_[pos_])) ++pos_;
    if (pos_ < in_.size() && in_[pos_] == '"') return readQuoted();
    return readUnquoted();
}

Tag FieldReader::readQuoted() {
    const std::size_t start = ++pos_;
    while (pos_ < in_.size() && in_[pos_] != '"' && !atLineEnd()) ++pos_;
    const std::string_view content = in_.substr(start, pos_ - start);
    if (pos_ < in_.size() && in_[pos_] == '"') {
        ++pos_;
        while (pos_ < in_.size() && in_[pos_] != ',' && !atLineEnd()) ++pos_;
    }
    skipDelimiter();
    return Tag::text(cp1252ToUtf8(content));
}

Tag FieldReader::readUnquoted() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && in_[pos_] != ',' && !atLineEnd()) ++pos_;
    std::string_view field = in_.substr(start, pos_ - start);
    skipDelimiter();
    while (!field.empty() && isBlank(field.back())) field.remove_suffix(1);

    if (field.empty()) return Tag();
    if (equalsIgnoreCase(field, "#TRUE#")) return Tag::boolean(true);
    if (equalsIgnoreCase(field, "#FALSE#")) return Tag::boolean(false);
    const std::string text = cp1252ToUtf8(field);
    if (const auto n = parseNumber(text)) return Tag::number(*n);
    return Tag::text(text);
}

}  // namespace velloran
