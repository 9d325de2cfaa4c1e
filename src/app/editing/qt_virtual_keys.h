#pragma once
// Qt key events in the terms the key decoder knows: virtual-key codes of the US layout and the
// modifier mask (1 SHIFT, 2 CTRL, 4 ALT).
#include <QKeyEvent>
#include <cstdint>

namespace velloran {

// The virtual-key code of a Qt key: letters, digits, F1-F12, navigation and editing keys, the
// punctuation of the US layout (by the key that carries it, shifted or not), the modifiers and
// lock keys (16, 17, 18, 20, 144, 145), and keypad keys by their keypad codes when the event
// carries Qt::KeypadModifier. 0 for a key without a code.
std::uint16_t virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
// A key event of the typing block (letters, digits, punctuation) by the key that produced it
// (its native scan code, an X keycode) under the recording layout: the letter it types, else its
// US position, as key output sends them (keys/key_translation.h). Other keys, and events
// without a native scan code, by their Qt key.
std::uint16_t virtualKeyOf(const QKeyEvent& event);

// SHIFT, CTRL and ALT held, as the decoder's modifier mask.
int modifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace velloran
