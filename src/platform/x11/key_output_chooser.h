#pragma once
// Opens the best keystroke output this session offers: the uinput virtual keyboard, else XTest
// on the X display, else none, with the reason to show the user. Either follows a keyboard
// layout: XTest the X server's; uinput the one the desktop gives a new keyboard (the X server's
// under X11, else desktopKeyLayout()).
#include <functional>
#include <memory>
#include <string>

#include "keys/key_output.h"
#include "keys/output_choice.h"
#include "uinput/uinput_key_output.h"

namespace velloran {

struct KeyOutputPlaces {
    std::string uinputPath = kUinputPath;
    std::string display;  // "" = $DISPLAY
    // Hears, once, what the user should know about the lock keys (uinput).
    std::function<void(const std::string&)> notice = {};
};

struct OpenedKeyOutput {
    std::unique_ptr<KeyOutput> output;  // null when none can send keys
    OutputChoice choice;                // its name, or the reason there is none
    std::string layout = {};  // "Keyboard layout: German (X server)"; "" without output
};

// Probes both outputs, opens the one chooseKeyOutput() prefers and falls back to the other when
// opening it fails after all.
OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places = {});
// Opens that output only (OutputKind::Uinput or OutputKind::XTest), or says why it cannot.
OpenedKeyOutput openKeyOutput(OutputKind only, const KeyOutputPlaces& places = {});

// The layout a new keyboard gets: the X server's where one is reachable, else desktopKeyLayout().
std::unique_ptr<KeyLayout> newKeyboardLayout(const std::string& display = "");

}  // namespace velloran
