#pragma once
// Key steps: one key of a press or release macro with any of SHIFT, CTRL and ALT held, as the
// texts the table and the files store, and resolved into the keys actually pressed.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "table/mapping_row.h"

namespace velloran {

// Modifier mask of a keyboard event.
namespace modifier {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
}  // namespace modifier

// The prefix of a combination text for a modifier mask: one of "SHIFT + CTRL + ALT + ",
// "SHIFT + ALT + ", "SHIFT + CTRL + ", "CTRL + ALT + ", "SHIFT + ", "CTRL + ", "ALT + ", "".
std::string_view modifierPrefix(int mask);

// A Key step: the combination text (prefix and key name, "SHIFT + CTRL + X") and the bare key
// name ("X"). An empty step holds a single blank in both.
struct KeyStep {
    std::string text{kEmptyStep};
    std::string name{kEmptyStep};

    bool operator==(const KeyStep&) const = default;
};

// A key to press: its virtual-key code and the scan code that is sent.
struct ResolvedKey {
    std::uint16_t virtualKey = 0;
    std::uint16_t scanCode = 0;

    bool operator==(const ResolvedKey&) const = default;
};

// The resolved key of a virtual-key code; (0, 0) for code 0.
ResolvedKey resolveKey(std::uint16_t virtualKey);

// A resolved step: SHIFT, CTRL, ALT as held, then the key, packed from slot 0; unused slots are
// (0, 0). Pressed in slot order, released in reverse.
inline constexpr int kKeysPerStep = 4;
using CompiledStep = std::array<ResolvedKey, kKeysPerStep>;

struct CompiledRow;

// Fills step `step` (1..16) of a compiled row from a stored Key step. The modifiers come from the
// combination text (searched for "SHIFT", "CTRL", "ALT" as the system writes them, upper case),
// the key from the key name, which is never parsed out of the text; a name that is not a key
// name leaves only the modifiers. A step outside 1..16 is a caller's error.
void Decode_Scancodes(CompiledRow& row, std::string_view text, std::string_view name, int step);

}  // namespace velloran
