#include "keys/key_names.h"

#include <array>

namespace velloran {
namespace {

// Punctuation rows carry the US-layout OEM codes. "NUMPAD ENTER" is the keypad separator code
// (108), not 13; "PRINT SCREEN" is the print key (42), not the snapshot key (44).
constexpr std::array<KeyName, kKeyNameCount> kKeyNames{{
    {"F1", 112},
    {"F2", 113},
    {"F3", 114},
    {"F4", 115},
    {"F5", 116},
    {"F6", 117},
    {"F7", 118},
    {"F8", 119},
    {"F9", 120},
    {"F10", 121},
    {"F11", 122},
    {"F12", 123},
    {"BACKSPACE", 8},
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
    {"DELETE", 46},
    {"NUMPAD 0", 96},
    {"NUMPAD 1", 97},
    {"NUMPAD 2", 98},
    {"NUMPAD 3", 99},
    {"NUMPAD 4", 100},
    {"NUMPAD 5", 101},
    {"NUMPAD 6", 102},
    {"NUMPAD 7", 103},
    {"NUMPAD 8", 104},
    {"NUMPAD 9", 105},
    {"NUMPAD *", 106},
    {"NUMPAD /", 111},
    {"NUMPAD +", 107},
    {"NUMPAD ENTER", 108},
    {"NUMPAD -", 109},
    {"NUMPAD .", 110},
    {"0", 48},
    {"1", 49},
    {"2", 50},
    {"3", 51},
    {"4", 52},
    {"5", 53},
    {"6", 54},
    {"7", 55},
    {"8", 56},
    {"9", 57},
    {"A", 65},
    {"B", 66},
    {"C", 67},
    {"D", 68},
    {"E", 69},
    {"F", 70},
    {"G", 71},
    {"H", 72},
    {"I", 73},
    {"J", 74},
    {"K", 75},
    {"L", 76},
    {"M", 77},
    {"N", 78},
    {"O", 79},
    {"P", 80},
    {"Q", 81},
    {"R", 82},
    {"S", 83},
    {"T", 84},
    {"U", 85},
    {"V", 86},
    {"W", 87},
    {"X", 88},
    {"Y", 89},
    {"Z", 90},
    {"'", 222},
    {"]", 221},
    {"\\", 220},
    {"[", 219},
    {"`", 192},
    {"/", 191},
    {".", 190},
    {"-", 189},
    {",", 188},
    {"=", 187},
    {";", 186},
}};

// 0 is the "no key" result of both directions, so no row may use it, and a name or code that
// appeared twice would make one direction ambiguous.
constexpr bool wellFormed() {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
        if (kKeyNames[i].code == 0 || kKeyNames[i].name.empty()) return false;
        for (std::size_t j = i + 1; j < kKeyNames.size(); ++j) {
            if (kKeyNames[i].name == kKeyNames[j].name) return false;
            if (kKeyNames[i].code == kKeyNames[j].code) return false;
        }
    }
    return true;
}
static_assert(wellFormed());

}  // namespace

std::span<const KeyName, kKeyNameCount> keyNames() {
    return kKeyNames;
}

std::uint16_t keyCodeOfName(std::string_view name) {
    for (const KeyName& row : kKeyNames) {
        if (row.name == name) return row.code;
    }
    return 0;
}

std::string_view keyNameOfCode(std::uint16_t code) {
    for (const KeyName& row : kKeyNames) {
        if (row.code == code) return row.name;
    }
    return {};
}

}  // namespace velloran
