#include <gtest/gtest.h>

#include "file_format/cp1252.h"

namespace velloran {
namespace {

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte)), byte) << "byte " << b;
    }
    EXPECT_EQ(cp1252ToUtf8("\x80\x93x\x94\x9F\xA0\xFF"), "€“x”Ÿ\u00A0ÿ");
    // Undefined in Windows-1252: kept as the C1 control of the same number.
    EXPECT_EQ(cp1252ToUtf8("\x81\x9D"), "\u0081\u009D");
}

TEST(Cp1252, UnencodableCharactersAndBrokenUtf8BecomeQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    for (const Case c : {
             Case{"Landing gear \u2708 down", "Landing gear ? down"},
             Case{"\U0001F600!", "?!"},  // four-byte character: one "?"
             Case{"\u0080", "?"},        // C1 control that Windows-1252 redefines
             Case{"a\xFF"
                  "b",
                  "a?b"},                       // stray byte
             Case{"\xE2\x82", "??"},            // sequence cut short
             Case{"\xC0\xAF", "??"},            // overlong
             Case{"\xED\xA0\x80", "???"},       // surrogate
             Case{"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
         }) {
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes) << c.utf8;
    }
}

}  // namespace
}  // namespace velloran
