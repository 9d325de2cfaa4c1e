#pragma once
// Which keystroke output to use: the uinput virtual keyboard reaches every program (X, Wayland,
// the console), so it wins; next the Wayland compositor's virtual keyboard, which reaches every
// window of that desktop, X11 programs under XWayland included; last XTest, which reaches only
// the programs of one X display. When none can send keys, the reason says what to fix instead of
// the program sending nothing in silence.
#include <functional>
#include <memory>
#include <string>

#include "keys/key_output.h"

namespace velloran {

enum class UinputStatus {
    Usable,
    Missing,      // no /dev/uinput: the module is not loaded
    NotWritable,  // /dev/uinput exists but this user may not open it
    Refused,      // /dev/uinput opened but would not create a virtual keyboard
};

enum class WaylandStatus {
    Usable,
    NoCompositor,  // no Wayland compositor could be reached
    NoProtocol,    // the compositor offers no virtual keyboard (GNOME, KDE)
    Refused,       // the compositor would not create one for this program
};

enum class XTestStatus {
    Usable,
    NoDisplay,    // no X display could be opened
    NoExtension,  // the display has no XTEST extension
};

enum class OutputKind { None, Uinput, Wayland, XTest };

struct OutputAvailability {
    UinputStatus uinput = UinputStatus::Missing;
    WaylandStatus wayland = WaylandStatus::NoCompositor;
    XTestStatus xtest = XTestStatus::NoDisplay;
};

struct OutputChoice {
    OutputKind kind = OutputKind::None;
    std::string name;    // names the chosen output ("" for none)
    std::string reason;  // why no output can send keys and what to do ("" when one can)

    bool operator==(const OutputChoice&) const = default;
};

// The first usable output in the order above. `only` (not None) restricts the choice to that
// one, and the reason then names it: "The uinput virtual keyboard cannot send keys: ...".
OutputChoice chooseKeyOutput(const OutputAvailability& availability,
                             OutputKind only = OutputKind::None);

struct OpenedKeyOutput {
    std::unique_ptr<KeyOutput> output;  // null when none can send keys
    OutputChoice choice;                // its name, or the reason there is none
    std::string layout = {};            // "Keyboard layout: German (X server)"; "" without output
};

// Makes the output of one kind (`output` and `layout`); a null output when the system refused
// after all.
using KeyOutputOpener = std::function<OpenedKeyOutput(OutputKind)>;

// Opens the output chooseKeyOutput() prefers and falls back to the next when opening it fails.
OpenedKeyOutput openChosenOutput(OutputAvailability availability, const KeyOutputOpener& open,
                                 OutputKind only = OutputKind::None);

}  // namespace velloran
