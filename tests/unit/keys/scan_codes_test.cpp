#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "keys/key_names.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

// Over the code's own table: names and codes resolve both ways, none twice, and every named key
// reaches an output key (PRINT SCREEN has no set-1 code and types nothing).
TEST(KeyTable, RoundTripNoDuplicatesAndEveryKeyReachesAnOutputKey) {
    std::set<std::string> names;
    std::set<int> codes;
    for (const KeyName& key : keyNames()) {
        EXPECT_TRUE(names.insert(std::string(key.name)).second) << key.name;
        EXPECT_TRUE(codes.insert(key.code).second) << key.name;
        EXPECT_EQ(keyCodeOfName(key.name), key.code) << key.name;
        EXPECT_EQ(keyNameOfCode(key.code), key.name) << key.name;
        const std::uint16_t scan = scanCodeOf(key.code);
        EXPECT_EQ(scan == 0, key.name == "PRINT SCREEN") << key.name;
        if (scan != 0) {
            EXPECT_NE(linuxKeyCodeOf(scan), 0) << key.name;
        }
    }
    EXPECT_EQ(names.size(), 92u);
}

TEST(KeyTable, NamesAreExactAndUnnamedCodesGiveNothing) {
    for (const char* name : {"", "a", "f1", "F13", "NUM LOCK", " A", "numpad 1", "AB"}) {
        EXPECT_EQ(keyCodeOfName(name), 0) << '"' << name << '"';
    }
    for (const std::uint16_t code : std::initializer_list<std::uint16_t>{0, 44, 91, 124, 256}) {
        EXPECT_EQ(keyNameOfCode(code), "") << code;
        EXPECT_EQ(scanCodeOf(code), 0) << code;
    }
    for (const std::uint16_t scan : std::initializer_list<std::uint16_t>{0, 0x59, 0xE0, 0xFFFF}) {
        EXPECT_EQ(linuxKeyCodeOf(scan), 0) << scan;
    }
    EXPECT_EQ(linuxKeyCodeOf(0x58), 0x58);
}

// Without an extended flag some keys share a scan code; these pairs are the only ones allowed.
TEST(KeyTable, OnlyExtendedKeysShareAScanCodeWithTheirTwin) {
    const std::set<std::set<std::string>> twins = {
        {"INSERT", "NUMPAD 0"},    {"END", "NUMPAD 1"},        {"DOWN ARROW", "NUMPAD 2"},
        {"PAGE DOWN", "NUMPAD 3"}, {"LEFT ARROW", "NUMPAD 4"}, {"RIGHT ARROW", "NUMPAD 6"},
        {"HOME", "NUMPAD 7"},      {"UP ARROW", "NUMPAD 8"},   {"PAGE UP", "NUMPAD 9"},
        {"DELETE", "NUMPAD ."},    {"/", "NUMPAD /"},          {"ENTER", "NUMPAD ENTER"},
        {"PAUSE", "NUM LOCK"}};
    std::map<std::uint16_t, std::set<std::string>> byScan;
    for (const KeyName& key : keyNames())
        byScan[scanCodeOf(key.code)].insert(std::string(key.name));
    byScan[scanCodeOf(vk::NumLock)].insert("NUM LOCK");
    byScan.erase(0);
    std::set<std::set<std::string>> shared;
    for (const auto& [scan, names] : byScan) {
        if (names.size() > 1) shared.insert(names);
    }
    EXPECT_EQ(shared, twins);
}

}  // namespace
}  // namespace velloran
