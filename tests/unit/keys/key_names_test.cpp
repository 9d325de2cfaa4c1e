#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "keys/key_names.h"

namespace velloran {
namespace {

// The expected rows in lookup order, the regular runs generated rather than copied.
std::vector<std::pair<std::string, int>> expectedRows() {
    std::vector<std::pair<std::string, int>> rows;
    for (int i = 1; i <= 12; ++i) rows.emplace_back("F" + std::to_string(i), 111 + i);
    for (auto& row : std::vector<std::pair<std::string, int>>{{"BACKSPACE", 8},
                                                              {"TAB", 9},
                                                              {"ENTER", 13},
                                                              {"PAUSE", 19},
                                                              {"ESC", 27},
                                                              {"SPACEBAR", 32},
                                                              {"PAGE UP", 33},
                                                              {"PAGE DOWN", 34},
                                                              {"END", 35},
                                                              {"HOME", 36},
                                                              {"LEFT ARROW", 37},
                                                              {"UP ARROW", 38},
                                                              {"RIGHT ARROW", 39},
                                                              {"DOWN ARROW", 40},
                                                              {"PRINT SCREEN", 42},
                                                              {"INSERT", 45},
                                                              {"DELETE", 46}}) {
        rows.push_back(std::move(row));
    }
    for (int i = 0; i <= 9; ++i) rows.emplace_back("NUMPAD " + std::to_string(i), 96 + i);
    for (auto& row : std::vector<std::pair<std::string, int>>{{"NUMPAD *", 106},
                                                              {"NUMPAD /", 111},
                                                              {"NUMPAD +", 107},
                                                              {"NUMPAD ENTER", 108},
                                                              {"NUMPAD -", 109},
                                                              {"NUMPAD .", 110}}) {
        rows.push_back(std::move(row));
    }
    for (char c = '0'; c <= '9'; ++c) rows.emplace_back(std::string(1, c), c);
    for (char c = 'A'; c <= 'Z'; ++c) rows.emplace_back(std::string(1, c), c);
    for (auto& row : std::vector<std::pair<std::string, int>>{{"'", 222},
                                                              {"]", 221},
                                                              {"\\", 220},
                                                              {"[", 219},
                                                              {"`", 192},
                                                              {"/", 191},
                                                              {".", 190},
                                                              {"-", 189},
                                                              {",", 188},
                                                              {"=", 187},
                                                              {";", 186}}) {
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST(KeyNames, TableHoldsEveryRowInLookupOrder) {
    const auto expected = expectedRows();
    const auto table = keyNames();
    ASSERT_EQ(expected.size(), table.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].name, expected[i].first) << "row " << i;
        EXPECT_EQ(table[i].code, expected[i].second) << "row " << i;
    }
}

TEST(KeyNames, EveryRowResolvesBothWays) {
    for (const auto& [name, code] : expectedRows()) {
        EXPECT_EQ(keyCodeOfName(name), code) << name;
        EXPECT_EQ(keyNameOfCode(static_cast<std::uint16_t>(code)), name) << code;
        EXPECT_EQ(keyCodeOfName(keyNameOfCode(static_cast<std::uint16_t>(code))), code) << code;
    }
}

TEST(KeyNames, NamesAreExact) {
    for (const char* name : {"",       " ",        "a",         "z",        "f1",    "F13", "F0",
                             "SHIFT",  "CTRL",     "ALT",       "NUM LOCK", "SPACE", " A",  "A ",
                             "ENTER ", "numpad 1", "NUMPAD  1", "AB",       "10",    "\""}) {
        EXPECT_EQ(keyCodeOfName(name), 0) << '"' << name << '"';
    }
    EXPECT_EQ(keyCodeOfName("A"), 65);
    EXPECT_EQ(keyCodeOfName("SPACEBAR"), 32);
}

TEST(KeyNames, CodesWithoutANameGiveEmptyText) {
    for (std::uint16_t code : std::initializer_list<std::uint16_t>{
             0, 16, 17, 18, 20, 44, 91, 92, 93, 144, 145, 124, 255, 256, 321}) {
        EXPECT_EQ(keyNameOfCode(code), "") << code;
    }
}

}  // namespace
}  // namespace velloran
