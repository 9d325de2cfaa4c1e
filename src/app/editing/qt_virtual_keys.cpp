#include "editing/qt_virtual_keys.h"

#include <array>
#include <cstddef>

#include "editing/recording_layout.h"
#include "keys/key_step.h"

namespace velloran {
namespace {

struct KeyRow {
    int qtKey;
    bool keypad;  // the row applies only to events with Qt::KeypadModifier
    std::uint16_t code;
};

// Rows that are not a run of consecutive keys. Qt names the character a key produces, so each
// US-layout punctuation key appears with its unshifted and its shifted character. With Num Lock
// off the keypad sends navigation keys, which fall through to the rows without the keypad flag,
// as they give the navigation codes.
constexpr KeyRow kNamedKeys[] = {
    {Qt::Key_Backspace, false, 8},
    {Qt::Key_Tab, false, 9},
    {Qt::Key_Backtab, false, 9},
    {Qt::Key_Clear, false, 12},
    {Qt::Key_Return, false, 13},
    {Qt::Key_Enter, false, 13},
    {Qt::Key_Shift, false, 16},
    {Qt::Key_Control, false, 17},
    {Qt::Key_Alt, false, 18},
    {Qt::Key_AltGr, false, 18},
    {Qt::Key_Pause, false, 19},
    {Qt::Key_CapsLock, false, 20},
    {Qt::Key_Escape, false, 27},
    {Qt::Key_Space, false, 32},
    {Qt::Key_PageUp, false, 33},
    {Qt::Key_PageDown, false, 34},
    {Qt::Key_End, false, 35},
    {Qt::Key_Home, false, 36},
    {Qt::Key_Left, false, 37},
    {Qt::Key_Up, false, 38},
    {Qt::Key_Right, false, 39},
    {Qt::Key_Down, false, 40},
    // The Print Screen key is the snapshot key (44), which has no key name.
    {Qt::Key_Print, false, 44},
    {Qt::Key_Insert, false, 45},
    {Qt::Key_Delete, false, 46},
    {Qt::Key_Meta, false, 91},
    {Qt::Key_Super_L, false, 91},
    {Qt::Key_Super_R, false, 92},
    {Qt::Key_Menu, false, 93},
    {Qt::Key_NumLock, false, 144},
    {Qt::Key_ScrollLock, false, 145},
    // Shifted digits.
    {Qt::Key_ParenRight, false, 48},
    {Qt::Key_Exclam, false, 49},
    {Qt::Key_At, false, 50},
    {Qt::Key_NumberSign, false, 51},
    {Qt::Key_Dollar, false, 52},
    {Qt::Key_Percent, false, 53},
    {Qt::Key_AsciiCircum, false, 54},
    {Qt::Key_Ampersand, false, 55},
    {Qt::Key_Asterisk, false, 56},
    {Qt::Key_ParenLeft, false, 57},
    // Punctuation, unshifted and shifted.
    {Qt::Key_Semicolon, false, 186},
    {Qt::Key_Colon, false, 186},
    {Qt::Key_Equal, false, 187},
    {Qt::Key_Plus, false, 187},
    {Qt::Key_Comma, false, 188},
    {Qt::Key_Less, false, 188},
    {Qt::Key_Minus, false, 189},
    {Qt::Key_Underscore, false, 189},
    {Qt::Key_Period, false, 190},
    {Qt::Key_Greater, false, 190},
    {Qt::Key_Slash, false, 191},
    {Qt::Key_Question, false, 191},
    {Qt::Key_QuoteLeft, false, 192},
    {Qt::Key_AsciiTilde, false, 192},
    {Qt::Key_BracketLeft, false, 219},
    {Qt::Key_BraceLeft, false, 219},
    {Qt::Key_Backslash, false, 220},
    {Qt::Key_Bar, false, 220},
    {Qt::Key_BracketRight, false, 221},
    {Qt::Key_BraceRight, false, 221},
    {Qt::Key_Apostrophe, false, 222},
    {Qt::Key_QuoteDbl, false, 222},
    // The keypad with Num Lock on.
    {Qt::Key_Asterisk, true, 106},
    {Qt::Key_Plus, true, 107},
    {Qt::Key_Enter, true, 108},
    {Qt::Key_Minus, true, 109},
    {Qt::Key_Period, true, 110},
    {Qt::Key_Comma, true, 110},  // the decimal key of layouts with a decimal comma
    {Qt::Key_Slash, true, 111},
};

constexpr std::size_t kRunRows = 26 + 10 + 10 + 24;  // letters, digits, keypad digits, F1-F24

// The one table: the runs (letters and digits carry their own codes, the keypad digits 96-105,
// F1-F24 112-135) followed by the named keys.
constexpr auto kKeys = [] {
    std::array<KeyRow, kRunRows + std::size(kNamedKeys)> rows{};
    std::size_t n = 0;
    for (int i = 0; i < 26; ++i) {
        rows[n++] = {Qt::Key_A + i, false, static_cast<std::uint16_t>('A' + i)};
    }
    for (int i = 0; i < 10; ++i) {
        rows[n++] = {Qt::Key_0 + i, false, static_cast<std::uint16_t>('0' + i)};
    }
    for (int i = 0; i < 10; ++i) {
        rows[n++] = {Qt::Key_0 + i, true, static_cast<std::uint16_t>(96 + i)};
    }
    for (int i = 0; i < 24; ++i) {
        rows[n++] = {Qt::Key_F1 + i, false, static_cast<std::uint16_t>(112 + i)};
    }
    for (const KeyRow& row : kNamedKeys) rows[n++] = row;
    return rows;
}();

std::uint16_t find(int qtKey, bool keypad) {
    for (const KeyRow& row : kKeys) {
        if (row.qtKey == qtKey && row.keypad == keypad) return row.code;
    }
    return 0;
}

}  // namespace

std::uint16_t virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const std::uint16_t code = find(qtKey, true)) return code;
    }
    return find(qtKey, false);
}

std::uint16_t virtualKeyOf(const QKeyEvent& event) {
    constexpr quint32 kXKeycodeOffset = 8;
    const quint32 native = event.nativeScanCode();
    if (native > kXKeycodeOffset && !event.modifiers().testFlag(Qt::KeypadModifier)) {
        const auto position = static_cast<std::uint16_t>(native - kXKeycodeOffset);
        if (position == native - kXKeycodeOffset) {
            const std::uint16_t code = recordingLayout().translation().recordedKeyAt(position);
            if (code != 0) return code;
        }
    }
    return virtualKeyOf(event.key(), event.modifiers());
}

int modifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) mask |= modifier::Shift;
    if (modifiers.testFlag(Qt::ControlModifier)) mask |= modifier::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier)) mask |= modifier::Alt;
    return mask;
}

}  // namespace velloran
