#pragma once
// Scan codes: keystrokes go out by hardware scan code alone, taken from the US keyboard layout's
// set-1 codes, the way the virtual-key to scan-code translation of a US layout answers.
#include <cstdint>
#include <string_view>

namespace velloran {

// Set-1 scan code of a virtual-key code; 0 for code 0 and for codes this layout does not map
// (among them 42, the code of "PRINT SCREEN"). No extended-key distinction is kept: the arrow and
// navigation keys, INSERT, DELETE, "NUMPAD /" and "NUMPAD ENTER" share the codes of their
// non-extended twins.
std::uint16_t scanCodeOf(std::uint16_t virtualKey);

// The name a scan code is known by: "SHIFT", "CTRL", "ALT", "CAPS LOCK", "NUM LOCK" and
// "SCROLL LOCK" for the modifier and lock keys, else the first key of the key name table that
// sends it ("ENTER" rather than "NUMPAD ENTER"); "" when no key sends it.
std::string_view keyNameOfScanCode(std::uint16_t scanCode);

// Linux input key code (KEY_* numbering) of a set-1 scan code, for the output back ends: the two
// numberings coincide for 1..0x58; anything else is 0 (KEY_RESERVED).
std::uint16_t linuxKeyCodeOf(std::uint16_t scanCode);

}  // namespace velloran
