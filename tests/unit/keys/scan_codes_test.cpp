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

TEST(KeyTable, RowsOfEachKindOfKey) {
    struct Case {
        const char* name;
        int code;
        std::uint16_t scan;
    };
    for (const Case c : {Case{"A", 65, 0x1E}, Case{"0", 48, 0x0B}, Case{"F1", 112, 0x3B},
                         Case{"F11", 122, 0x57}, Case{"SPACEBAR", 32, 0x39},
                         Case{"NUMPAD 0", 96, 0x52}, Case{"NUMPAD ENTER", 108, 0x1C},
                         Case{"NUMPAD /", 111, 0x35}, Case{";", 186, 0x27}, Case{"'", 222, 0x28}}) {
        EXPECT_EQ(keyCodeOfName(c.name), c.code) << c.name;
        EXPECT_EQ(scanCodeOf(static_cast<std::uint16_t>(c.code)), c.scan) << c.name;
    }
    EXPECT_EQ(scanCodeOf(vk::Shift), 0x2A);
    EXPECT_EQ(scanCodeOf(vk::Ctrl), 0x1D);
    EXPECT_EQ(scanCodeOf(vk::Alt), 0x38);
    EXPECT_EQ(scanCodeOf(vk::NumLock), 0x45);
    EXPECT_EQ(scanCodeOf(vk::CapsLock), 0x3A);
    EXPECT_EQ(scanCodeOf(vk::ScrollLock), 0x46);
}

TEST(KeyTable, NamesAreExactAndUnnamedCodesGiveNothing) {
    for (const char* name : {"", "a", "f1", "F13", "F0", "SHIFT", "NUM LOCK", " A", "A ",
                             "numpad 1", "NUMPAD  1", "AB", "10"}) {
        EXPECT_EQ(keyCodeOfName(name), 0) << '"' << name << '"';
    }
    for (const int c : {0, 16, 20, 44, 91, 124, 144, 255, 256}) {
        const auto code = static_cast<std::uint16_t>(c);
        EXPECT_EQ(keyNameOfCode(code), "") << code;
        if (code != 16 && code != 20 && code != 144) {
            EXPECT_EQ(scanCodeOf(code), 0) << code;
        }
    }
    for (const int scan : {0, 0x59, 0x60, 0xE0, 0xFFFF}) {
        EXPECT_EQ(linuxKeyCodeOf(static_cast<std::uint16_t>(scan)), 0) << scan;
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
    for (const KeyName& key : keyNames()) byScan[scanCodeOf(key.code)].insert(std::string(key.name));
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
