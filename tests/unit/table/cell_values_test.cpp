#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <utility>

#include "table/cell_text.h"
#include "table/tag.h"

namespace velloran {
namespace {

// Texts up to 30 bytes live inside the object, longer ones on the heap.
TEST(CellText, CopiesMovesAndReassignsAcrossTheInlineLimit) {
    for (const std::size_t n : {0u, 30u, 31u, 200u}) {
        const std::string text(n, 'x');
        for (const std::size_t m : {0u, 30u, 31u, 200u}) {
            CellText a(text), b(std::string(m, 'y'));
            b = a;
            CellText c = std::move(b);
            EXPECT_TRUE(b.empty());
            EXPECT_EQ(c, text);
            EXPECT_EQ(c.c_str()[n], '\0');
            c = std::string_view(c).substr(n / 2);  // a part of itself
            EXPECT_EQ(c, text.substr(n / 2));
        }
    }
}

TEST(Tag, NumbersAndBooleansConvertAsFilesHoldThem) {
    const std::pair<const char*, std::optional<double>> numbers[] = {
        {" 7 ", 7},  {"+5", 5},   {"2e3", 2000}, {"", {}},
        {"1,5", {}}, {"+-5", {}}, {"inf", {}},   {"1e999", {}}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(parseNumber(text), number) << text;
    EXPECT_EQ(Tag::text(" true ").toBool(), true);
    EXPECT_EQ(Tag::text("On").toBool(), std::nullopt);
    EXPECT_EQ(Tag::boolean(false).toText(), "False");
}

// The editor's toolkit switches to the user's locale; files must read and write the same there.
TEST(Tag, NumbersIgnoreTheProcessLocale) {
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
