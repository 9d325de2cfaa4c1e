#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>

#include "keys/key_names.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

TEST(ScanCodes, RepresentativeKeys) {
    struct Case {
        const char* name;
        std::uint16_t scan;
    };
    for (const Case c : {Case{"A", 0x1E}, Case{"Q", 0x10}, Case{"0", 0x0B}, Case{"F10", 0x44},
                         Case{"F11", 0x57}, Case{"F12", 0x58}, Case{"ESC", 0x01},
                         Case{"PAUSE", 0x45}, Case{"LEFT ARROW", 0x4B}, Case{"DELETE", 0x53},
                         Case{"NUMPAD /", 0x35}, Case{"NUMPAD ENTER", 0x1C}, Case{"'", 0x28}}) {
        EXPECT_EQ(scanCodeOf(keyCodeOfName(c.name)), c.scan) << c.name;
    }
}

TEST(ScanCodes, ModifiersAndLockKeys) {
    EXPECT_EQ(scanCodeOf(vk::Shift), 0x2A);
    EXPECT_EQ(scanCodeOf(vk::Ctrl), 0x1D);
    EXPECT_EQ(scanCodeOf(vk::Alt), 0x38);
    EXPECT_EQ(scanCodeOf(vk::NumLock), 0x45);
    EXPECT_EQ(scanCodeOf(vk::CapsLock), 0x3A);
    EXPECT_EQ(scanCodeOf(vk::ScrollLock), 0x46);
}

TEST(ScanCodes, UnmappedCodesGiveZero) {
    for (std::uint16_t code :
         std::initializer_list<std::uint16_t>{0, 1, 42, 44, 91, 124, 160, 255, 256, 0xFFFF}) {
        EXPECT_EQ(scanCodeOf(code), 0) << code;
    }
}

// Without an extended flag some keys share a scan code; those pairs are the only ones allowed.
TEST(ScanCodes, EveryNamedKeyButPrintScreenHasItsOwnOrATwinsCode) {
    const std::set<std::set<std::string>> twins = {
        {"INSERT", "NUMPAD 0"},    {"END", "NUMPAD 1"},        {"DOWN ARROW", "NUMPAD 2"},
        {"PAGE DOWN", "NUMPAD 3"}, {"LEFT ARROW", "NUMPAD 4"}, {"RIGHT ARROW", "NUMPAD 6"},
        {"HOME", "NUMPAD 7"},      {"UP ARROW", "NUMPAD 8"},   {"PAGE UP", "NUMPAD 9"},
        {"DELETE", "NUMPAD ."},    {"/", "NUMPAD /"},          {"ENTER", "NUMPAD ENTER"},
        {"PAUSE", "NUM LOCK"}};
    std::map<std::uint16_t, std::set<std::string>> byScan;
    for (const KeyName& key : keyNames()) {
        const std::uint16_t scan = scanCodeOf(key.code);
        if (key.name == "PRINT SCREEN") {
            EXPECT_EQ(scan, 0);
            continue;
        }
        EXPECT_NE(scan, 0) << key.name;
        byScan[scan].insert(std::string(key.name));
    }
    for (const auto& [name, code] :
         {std::pair{"SHIFT", vk::Shift}, std::pair{"CTRL", vk::Ctrl}, std::pair{"ALT", vk::Alt},
          std::pair{"CAPS LOCK", vk::CapsLock}, std::pair{"NUM LOCK", vk::NumLock},
          std::pair{"SCROLL LOCK", vk::ScrollLock}}) {
        byScan[scanCodeOf(code)].insert(name);
    }
    std::set<std::set<std::string>> shared;
    for (const auto& [scan, names] : byScan) {
        if (names.size() > 1) shared.insert(names);
    }
    EXPECT_EQ(shared, twins);
}

TEST(ScanCodes, LinuxKeyCodesFollowSetOneUpToF12) {
    // KEY_ESC 1, KEY_A 30, KEY_LEFTSHIFT 42, KEY_KP4 75, KEY_KPDOT 83, KEY_F11 87, KEY_F12 88.
    for (std::uint16_t code : std::initializer_list<std::uint16_t>{1, 30, 42, 75, 83, 87, 88}) {
        EXPECT_EQ(linuxKeyCodeOf(code), code);
    }
    for (std::uint16_t code : std::initializer_list<std::uint16_t>{0, 0x59, 0x60, 0xE0, 0xFFFF}) {
        EXPECT_EQ(linuxKeyCodeOf(code), 0);
    }
    // Every scan code a step can carry reaches an output key.
    for (const KeyName& key : keyNames()) {
        const std::uint16_t scan = scanCodeOf(key.code);
        if (scan != 0) {
            EXPECT_NE(linuxKeyCodeOf(scan), 0) << key.name;
        }
    }
}

}  // namespace
}  // namespace velloran
