#include "table/tag.h"

#include "base/ascii_text.h"

#include <cctype>
#include <cmath>
#include <charconv>
#include <utility>

namespace velloran {

namespace {

std::string trimmed(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

}  // namespace

std::optional<double> parseNumber(const std::string& text) {
    const std::string t = trimmed(text);
    if (t.empty()) return std::nullopt;
    // Only plain decimal notation: sign, digits, one point, optional exponent.
    for (char c : t) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' ||
              c == 'e' || c == 'E')) {
            return std::nullopt;
        }
    }
    // from_chars, unlike strtod, ignores the locale the GUI toolkit sets at start-up.
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (*first == '+') ++first;
    if (first == last || (t[0] == '+' && (*first == '+' || *first == '-'))) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string numberToText(double n) {
    if (n == 0) return "0";
    char buf[40];
    const auto result = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

std::string& Tag::emplaceText() {
    if (auto* held = std::get_if<std::string>(&value_)) {
        held->clear();
        return *held;
    }
    return value_.emplace<std::string>();
}

std::optional<bool> Tag::toBool() const {
    switch (kind()) {
        case Kind::Empty: return false;
        case Kind::Boolean: return asBoolean();
        case Kind::Number: return asNumber() != 0;
        case Kind::Text: {
            const std::string t = trimmed(asText());
            if (equalsIgnoreCase(t, "true")) return true;
            if (equalsIgnoreCase(t, "false")) return false;
            if (auto n = parseNumber(t)) return *n != 0;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<double> Tag::toNumber() const {
    switch (kind()) {
        case Kind::Empty: return 0.0;
        case Kind::Boolean: return asBoolean() ? -1.0 : 0.0;
        case Kind::Number: return asNumber();
        case Kind::Text: return parseNumber(asText());
    }
    return std::nullopt;
}

std::string Tag::toText() const& {
    switch (kind()) {
        case Kind::Empty: return "";
        case Kind::Boolean: return asBoolean() ? "True" : "False";
        case Kind::Number: return numberToText(asNumber());
        case Kind::Text: return asText();
    }
    return "";
}

std::string Tag::toText() && {
    if (isText()) return std::move(std::get<std::string>(value_));
    return std::as_const(*this).toText();
}

}  // namespace velloran
