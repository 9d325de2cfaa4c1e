#pragma once
// Opens the best keystroke output this session offers: the uinput virtual keyboard, else XTest
// on the X display, else none, with the reason to show the user.
#include <memory>
#include <string>

#include "keys/key_output.h"
#include "keys/output_choice.h"
#include "uinput/uinput_key_output.h"

namespace velloran {

struct KeyOutputPlaces {
    std::string uinputPath = kUinputPath;
    std::string display;  // "" = $DISPLAY
};

struct OpenedKeyOutput {
    std::unique_ptr<KeyOutput> output;  // null when none can send keys
    OutputChoice choice;                // its name, or the reason there is none
};

// Probes both outputs, opens the one chooseKeyOutput() prefers and falls back to the other when
// opening it fails after all.
OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places = {});

}  // namespace velloran
