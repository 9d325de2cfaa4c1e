#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "file_format/cp1252.h"
#include "file_format/field_reader.h"

namespace velloran {
namespace {

constexpr auto text = &Tag::text;
constexpr auto num = &Tag::number;
constexpr auto flag = &Tag::boolean;

TEST(FieldReader, ReadsFieldsAsTheRuntimeInputStatementDoes) {
    const std::vector<std::pair<std::string, std::vector<Tag>>> cases = {
        {"\"1.4\"\r\n", {text("1.4")}},
        {"#TRUE#\r\n#false#\r\n#True#", {flag(true), flag(false), flag(true)}},
        {" 12 \r\n-1.5\r\n0\r\n", {num(12), num(-1.5), num(0)}},
        {"  abc def \t\r\n", {text("abc def")}},      // unquoted text is trimmed
        {"1\r\n\r\n2\r\n", {num(1), Tag(), num(2)}},  // a blank line is one field
        {"1,2, \"x\"\r\n", {num(1), num(2), text("x")}},
        {"1,\r\n2", {num(1), Tag(), num(2)}},                  // comma before line end
        {"a\nb\rc", {text("a"), text("b"), text("c")}},        // lone LF and lone CR
        {"\"open\r\n\"next\"", {text("open"), text("next")}},  // unclosed quote
        {"\"a\"junk,\"b\"  \r\n", {text("a"), text("b")}},     // after the quote: ignored
        {"\"12\"", {text("12")}},
        // Fields are scanned eight bytes at a time: stops and high bytes at and around the
        // boundaries of those words.
        {"12345678,abcdefgh\r\n", {num(12345678), text("abcdefgh")}},
        {"\"0123456789\rabcdefghij\"", {text("0123456789"), text("abcdefghij\"")}},
        {"\"ab\xE9" "cd\"\r\nx", {text("abécd"), text("x")}},
        {"\"abcdef\"\xE9\r\nxyz", {text("abcdef"), text("xyz")}},
    };
    for (const auto& [input, fields] : cases) {
        FieldReader reader(input);
        Tag field;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            ASSERT_FALSE(reader.atEnd() || reader.next(field)) << input << " field " << i;
            EXPECT_EQ(field, fields[i]) << input << " field " << i;
        }
        EXPECT_TRUE(reader.atEnd()) << input;
    }
    FieldReader reader("\"only\"\r\n");
    Tag field;
    ASSERT_FALSE(reader.next(field));
    EXPECT_EQ(reader.next(field), (RuntimeError{62, "Input past end of file"}));
}

TEST(Cp1252, EveryByteRoundTripsAndWhatItCannotHoldBecomesQuestionMarks) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte)), byte) << "byte " << b;
    }
    EXPECT_EQ(cp1252ToUtf8("\x80\x93x\x94\x9F\xA0\xFF"), "€“x”Ÿ\u00A0ÿ");
    // A four-byte character, a C1 control Windows-1252 redefines, a stray byte, an overlong, a
    // surrogate, beyond U+10FFFF, a sequence cut short by the end.
    EXPECT_EQ(utf8ToCp1252("Gear \u2708 \U0001F600!\u0080|a\xFF" "b|\xC0\xAF|\xED\xA0\x80|"
                           "\xF4\x90\x80\x80|\xE2\x82"),
              "Gear ? ?!?|a?b|??|???|????|??");
}

}  // namespace
}  // namespace velloran
