#pragma once
// The keyboard guard's grab as this window system gives it: X11 grabs the keyboard for the
// window; Wayland gives no grab, so the compositor is asked to pass its own shortcuts to the
// window while recording (keyboard-shortcuts-inhibit).
#include "editing/keyboard_guard.h"

namespace velloran {

KeyboardGuard::Grab windowKeyboardGrab();

}  // namespace velloran
