#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

#include "table/tag.h"

namespace velloran {
namespace {

TEST(TagConversion, NumbersParseInPlainDecimalNotationOnly) {
    EXPECT_EQ(parseNumber(" 7 "), 7);
    EXPECT_EQ(parseNumber("+5"), 5);
    EXPECT_EQ(parseNumber("2e3"), 2000);
    for (const char* text : {"", "1,5", "+-5", "inf", "1e999"}) {
        EXPECT_EQ(parseNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(TagConversion, TextsOfNumbersAndBooleans) {
    EXPECT_EQ(numberToText(-1), "-1");
    EXPECT_EQ(numberToText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(numberToText(1e20), "1e+20");
    EXPECT_EQ(Tag().toBool(), false);
    EXPECT_EQ(Tag::text(" true ").toBool(), true);
    EXPECT_EQ(Tag::text("0").toBool(), false);
    EXPECT_EQ(Tag::text("On").toBool(), std::nullopt);
    EXPECT_EQ(Tag::boolean(true).toNumber(), -1);
    EXPECT_EQ(Tag::boolean(false).toText(), "False");
}

// The editor's toolkit switches to the user's locale; files must read and write the same there.
TEST(TagConversion, NumbersIgnoreTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed here";
    }
    EXPECT_EQ(parseNumber("1.5"), 1.5);
    EXPECT_EQ(numberToText(1.5), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace velloran
