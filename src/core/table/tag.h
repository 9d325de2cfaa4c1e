#pragma once
// A cell Tag: the variant value a Mapping table cell carries beside its text. It keeps the kind it
// was given (Boolean, number or text) so that a loaded file is written back the same way.
#include <optional>
#include <string>
#include <variant>

namespace velloran {

class Tag {
public:
    enum class Kind { Empty, Boolean, Number, Text };

    Tag() = default;
    static Tag boolean(bool b) { return Tag(Value(b)); }
    static Tag number(double n) { return Tag(Value(n)); }
    static Tag text(std::string s) { return Tag(Value(std::move(s))); }

    // Makes this an empty text and returns it to be filled in place; the buffer of a text held
    // before is kept, which spares a reader an allocation per field.
    std::string& emplaceText();

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isBoolean() const { return kind() == Kind::Boolean; }
    bool isNumber() const { return kind() == Kind::Number; }
    bool isText() const { return kind() == Kind::Text; }

    // The value as held; only valid for the matching kind.
    bool asBoolean() const { return std::get<bool>(value_); }
    double asNumber() const { return std::get<double>(value_); }
    const std::string& asText() const { return std::get<std::string>(value_); }

    // Boolean conversion: Empty is False, numbers are True when not 0, texts "True"/"False"
    // (any case, blanks around) or numeric texts; anything else is a type mismatch (nullopt).
    std::optional<bool> toBool() const;
    // True only when the value converts to True; a type mismatch counts as False.
    bool isTrue() const { return toBool().value_or(false); }
    // Numeric conversion: Empty is 0, True is -1, numeric texts; other texts are nullopt.
    std::optional<double> toNumber() const;
    // Text conversion: "" for Empty, "True"/"False", numbers as shortest decimal text ("2", "0.5").
    std::string toText() const&;
    // The same, taking a held text instead of copying it.
    std::string toText() &&;

    bool operator==(const Tag&) const = default;

private:
    using Value = std::variant<std::monostate, bool, double, std::string>;
    explicit Tag(Value v) : value_(std::move(v)) {}
    Value value_;
};

// Decimal text of a number as the run-time's number-to-text conversion prints it, without the
// leading blank: integers without a decimal point, at most 15 significant digits.
std::string numberToText(double n);

// Parses a whole text as a number (blanks around allowed); nullopt when it is not one.
std::optional<double> parseNumber(const std::string& text);

}  // namespace velloran
