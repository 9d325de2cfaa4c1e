#include <gtest/gtest.h>

#include <vector>

#include "file_format/field_reader.h"

namespace velloran {
namespace {

Tag text(const char* s) {
    return Tag::text(s);
}
Tag num(double n) {
    return Tag::number(n);
}
Tag boolean(bool b) {
    return Tag::boolean(b);
}

struct Case {
    const char* name;
    std::string input;
    std::vector<Tag> fields;
};

TEST(FieldReader, ReadsFieldsAsTheRuntimeInputStatementDoes) {
    const std::vector<Case> cases = {
        {"quoted text", "\"1.4\"\r\n", {text("1.4")}},
        {"booleans in any case",
         "#TRUE#\r\n#false#\r\n#True#",
         {boolean(true), boolean(false), boolean(true)}},
        {"numbers", " 12 \r\n-1.5\r\n0\r\n", {num(12), num(-1.5), num(0)}},
        {"unquoted text is trimmed", "  abc def \t\r\n", {text("abc def")}},
        {"blank line is one empty field", "1\r\n\r\n2\r\n", {num(1), Tag(), num(2)}},
        {"several fields on a line", "1,2, \"x\"\r\n", {num(1), num(2), text("x")}},
        {"comma before line end", "1,\r\n2", {num(1), Tag(), num(2)}},
        {"lone LF and lone CR", "a\nb\rc", {text("a"), text("b"), text("c")}},
        {"unclosed quote ends at line end", "\"open\r\n\"next\"", {text("open"), text("next")}},
        {"after closing quote up to comma ignored",
         "\"a\"junk,\"b\"  \r\n",
         {text("a"), text("b")}},
        {"quoted numbers stay text", "\"12\"", {text("12")}},
        // Fields are scanned eight bytes at a time: stops and high bytes at and around the
        // boundaries of those words.
        {"comma after a whole word", "12345678,abcdefgh\r\n", {num(12345678), text("abcdefgh")}},
        {"line end inside a long open quote",
         "\"0123456789\rabcdefghij\"",
         {text("0123456789"), text("abcdefghij\"")}},
        {"high byte in the word of the closing quote",
         "\"ab\xE9"
         "cd\"\r\nx",
         {text("abécd"), text("x")}},
        {"high byte after the closing quote ignored",
         "\"abcdef\"\xE9\r\nxyz",
         {text("abcdef"), text("xyz")}},
    };
    for (const Case& c : cases) {
        FieldReader reader(c.input);
        Tag field;
        for (std::size_t i = 0; i < c.fields.size(); ++i) {
            ASSERT_FALSE(reader.atEnd()) << c.name << " field " << i;
            ASSERT_FALSE(reader.next(field)) << c.name << " field " << i;
            EXPECT_EQ(field, c.fields[i]) << c.name << " field " << i;
        }
        EXPECT_TRUE(reader.atEnd()) << c.name;
    }
}

TEST(FieldReader, ReadingPastTheEndIsError62) {
    FieldReader reader("\"only\"\r\n");
    Tag field;
    ASSERT_FALSE(reader.next(field));
    EXPECT_EQ(reader.next(field), (RuntimeError{62, "Input past end of file"}));
}

}  // namespace
}  // namespace velloran
