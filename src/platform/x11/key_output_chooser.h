#pragma once
// Opens the best keystroke output this session offers: the uinput virtual keyboard, else the
// Wayland compositor's virtual keyboard, else XTest on the X display, else none, with the reason
// to show the user.
#include <string>

#include "keys/output_choice.h"
#include "uinput/uinput_key_output.h"

namespace velloran {

struct KeyOutputPlaces {
    std::string uinputPath = kUinputPath;
    std::string display;         // "" = $DISPLAY
    std::string waylandDisplay;  // "" = $WAYLAND_DISPLAY
};

// Probes the outputs, opens the one chooseKeyOutput() prefers and falls back to the next when
// opening it fails after all; `only` (not None) opens that kind or none.
OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places = {},
                              OutputKind only = OutputKind::None);

}  // namespace velloran
