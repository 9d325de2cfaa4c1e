#include "keys/scan_codes.h"

#include <array>

#include "keys/key_names.h"

namespace velloran {
namespace {

struct ScanCode {
    std::uint16_t virtualKey;
    std::uint16_t scanCode;
};

// Every key of the key name table plus the modifier and lock keys. Shared codes, all because no
// extended flag is sent:
// - LEFT/UP/RIGHT/DOWN ARROW, HOME, END, PAGE UP/DOWN, INSERT and DELETE send the numeric keypad
//   codes (4, 8, 6, 2, 7, 1, 9, 3, 0 and "."); "NUMPAD /" sends the code of "/", "NUMPAD ENTER"
//   that of ENTER.
// - PAUSE sends 0x45, the Num Lock code, so a PAUSE step toggles Num Lock on a real keyboard.
// "PRINT SCREEN" (42) is not mapped and resolves to 0: a step of that key sends nothing useful,
// and a first slot with scan code 0 is skipped by the mapping engine altogether.
constexpr ScanCode kScanCodes[] = {
    {8, 0x0E},    // BACKSPACE
    {9, 0x0F},    // TAB
    {13, 0x1C},   // ENTER
    {16, 0x2A},   // SHIFT (left)
    {17, 0x1D},   // CTRL (left)
    {18, 0x38},   // ALT (left)
    {19, 0x45},   // PAUSE
    {20, 0x3A},   // CAPS LOCK
    {27, 0x01},   // ESC
    {32, 0x39},   // SPACEBAR
    {33, 0x49},   // PAGE UP
    {34, 0x51},   // PAGE DOWN
    {35, 0x4F},   // END
    {36, 0x47},   // HOME
    {37, 0x4B},   // LEFT ARROW
    {38, 0x48},   // UP ARROW
    {39, 0x4D},   // RIGHT ARROW
    {40, 0x50},   // DOWN ARROW
    {45, 0x52},   // INSERT
    {46, 0x53},   // DELETE
    {48, 0x0B},   // 0
    {49, 0x02},   // 1
    {50, 0x03},   // 2
    {51, 0x04},   // 3
    {52, 0x05},   // 4
    {53, 0x06},   // 5
    {54, 0x07},   // 6
    {55, 0x08},   // 7
    {56, 0x09},   // 8
    {57, 0x0A},   // 9
    {65, 0x1E},   // A
    {66, 0x30},   // B
    {67, 0x2E},   // C
    {68, 0x20},   // D
    {69, 0x12},   // E
    {70, 0x21},   // F
    {71, 0x22},   // G
    {72, 0x23},   // H
    {73, 0x17},   // I
    {74, 0x24},   // J
    {75, 0x25},   // K
    {76, 0x26},   // L
    {77, 0x32},   // M
    {78, 0x31},   // N
    {79, 0x18},   // O
    {80, 0x19},   // P
    {81, 0x10},   // Q
    {82, 0x13},   // R
    {83, 0x1F},   // S
    {84, 0x14},   // T
    {85, 0x16},   // U
    {86, 0x2F},   // V
    {87, 0x11},   // W
    {88, 0x2D},   // X
    {89, 0x15},   // Y
    {90, 0x2C},   // Z
    {96, 0x52},   // NUMPAD 0
    {97, 0x4F},   // NUMPAD 1
    {98, 0x50},   // NUMPAD 2
    {99, 0x51},   // NUMPAD 3
    {100, 0x4B},  // NUMPAD 4
    {101, 0x4C},  // NUMPAD 5
    {102, 0x4D},  // NUMPAD 6
    {103, 0x47},  // NUMPAD 7
    {104, 0x48},  // NUMPAD 8
    {105, 0x49},  // NUMPAD 9
    {106, 0x37},  // NUMPAD *
    {107, 0x4E},  // NUMPAD +
    {108, 0x1C},  // NUMPAD ENTER
    {109, 0x4A},  // NUMPAD -
    {110, 0x53},  // NUMPAD .
    {111, 0x35},  // NUMPAD /
    {112, 0x3B},  // F1
    {113, 0x3C},  // F2
    {114, 0x3D},  // F3
    {115, 0x3E},  // F4
    {116, 0x3F},  // F5
    {117, 0x40},  // F6
    {118, 0x41},  // F7
    {119, 0x42},  // F8
    {120, 0x43},  // F9
    {121, 0x44},  // F10
    {122, 0x57},  // F11
    {123, 0x58},  // F12
    {144, 0x45},  // NUM LOCK
    {145, 0x46},  // SCROLL LOCK
    {186, 0x27},  // ;
    {187, 0x0D},  // =
    {188, 0x33},  // ,
    {189, 0x0C},  // -
    {190, 0x34},  // .
    {191, 0x35},  // /
    {192, 0x29},  // `
    {219, 0x1A},  // [
    {220, 0x2B},  // backslash
    {221, 0x1B},  // ]
    {222, 0x28},  // '
};

// Virtual-key codes are below 256; index them directly. Each code may appear once, or the later
// entry would silently win.
constexpr std::array<std::uint16_t, 256> kByVirtualKey = [] {
    std::array<std::uint16_t, 256> table{};
    for (const ScanCode& entry : kScanCodes) table[entry.virtualKey] = entry.scanCode;
    return table;
}();
static_assert([] {
    for (const ScanCode& a : kScanCodes) {
        int seen = 0;
        for (const ScanCode& b : kScanCodes) seen += a.virtualKey == b.virtualKey ? 1 : 0;
        if (seen != 1 || a.scanCode == 0) return false;
    }
    return true;
}());

constexpr std::uint16_t kLastSharedScanCode = 0x58;  // F12

}  // namespace

std::uint16_t scanCodeOf(std::uint16_t virtualKey) {
    return virtualKey < kByVirtualKey.size() ? kByVirtualKey[virtualKey] : 0;
}

std::uint16_t linuxKeyCodeOf(std::uint16_t scanCode) {
    return scanCode <= kLastSharedScanCode ? scanCode : 0;
}

std::string_view keyNameOfScanCode(std::uint16_t scanCode) {
    // The keys of the name table never stand alone in a step, so they have no name there.
    struct Unnamed {
        std::uint16_t virtualKey;
        std::string_view name;
    };
    static constexpr Unnamed kUnnamed[] = {
        {vk::Shift, "SHIFT"},        {vk::Ctrl, "CTRL"},         {vk::Alt, "ALT"},
        {vk::CapsLock, "CAPS LOCK"}, {vk::NumLock, "NUM LOCK"}, {vk::ScrollLock, "SCROLL LOCK"}};
    if (scanCode == 0) return {};
    for (const Unnamed& k : kUnnamed) {
        if (scanCodeOf(k.virtualKey) == scanCode) return k.name;
    }
    for (const KeyName& k : keyNames()) {
        if (scanCodeOf(k.code) == scanCode) return k.name;
    }
    return {};
}

}  // namespace velloran
