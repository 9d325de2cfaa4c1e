// Cell texts keep short texts inline and long ones on the heap; both must behave as strings.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "table/cell_text.h"

namespace velloran {
namespace {

TEST(CellText, CopiesMovesAndReassignsAcrossTheInlineLimit) {
    for (const std::size_t n : {0u, 1u, 30u, 31u, 200u}) {
        const std::string text(n, 'x');
        CellText a(text);
        EXPECT_EQ(a, text);
        EXPECT_EQ(a.c_str()[n], '\0');
        CellText b = a;
        CellText c = std::move(b);
        EXPECT_EQ(c, text);
        EXPECT_TRUE(b.empty());
        for (const std::size_t m : {0u, 30u, 31u, 200u}) {
            CellText d(std::string(m, 'y'));
            d = c;
            EXPECT_EQ(d, text);
            d = std::string_view(d).substr(n / 2);  // a part of itself
            EXPECT_EQ(d, text.substr(n / 2));
        }
    }
}

}  // namespace
}  // namespace velloran
