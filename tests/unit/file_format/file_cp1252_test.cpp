#include <gtest/gtest.h>

#include "file_format/cp1252.h"

namespace velloran {
namespace {

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1252ToUtf8(byte);
        EXPECT_EQ(utf8ToCp1252(utf8), byte) << "byte " << b;
        EXPECT_EQ(utf8.size() == 1, b < 0x80) << "byte " << b;
    }
}

TEST(Cp1252, DecodesToTheWindowsCharacters) {
    struct Case {
        const char* bytes;
        const char* utf8;
    };
    for (const Case c : {
             Case{"Frein \xE0 main", "Frein à main"},
             Case{"G\xE4nge", "Gänge"},
             Case{"\x80\x85\x93x\x94\x96\x9F", "€…“x”–Ÿ"},
             Case{"\xA0\xFF", "\u00A0ÿ"},
             Case{"Schalthebel R\xFC"
                  "ckw\xE4rts \x96 links",
                  "Schalthebel Rückwärts – links"},
             // Undefined in Windows-1252: kept as the C1 control of the same number.
             Case{"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
         }) {
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes) << c.utf8;
    }
}

TEST(Cp1252, UnencodableCharactersAndBrokenUtf8BecomeQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    for (const Case c : {
             Case{"Gear \u2708", "Gear ?"},  // outside the code page
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
