#pragma once
// Which keystroke output to use: the uinput virtual keyboard reaches every program (X, Wayland,
// the console), so it wins; XTest reaches only the programs of one X display. When neither can
// send keys, the reason says what to fix instead of the program sending nothing in silence.
#include <string>

namespace velloran {

enum class UinputStatus {
    Usable,
    Missing,      // no /dev/uinput: the module is not loaded
    NotWritable,  // /dev/uinput exists but this user may not open it
    Refused,      // /dev/uinput opened but would not create a virtual keyboard
};

enum class XTestStatus {
    Usable,
    NoDisplay,    // no X display could be opened
    NoExtension,  // the display has no XTEST extension
};

enum class OutputKind { None, Uinput, XTest };

struct OutputAvailability {
    UinputStatus uinput = UinputStatus::Missing;
    XTestStatus xtest = XTestStatus::NoDisplay;
};

struct OutputChoice {
    OutputKind kind = OutputKind::None;
    std::string name;    // names the chosen output ("" for none)
    std::string reason;  // why no output can send keys ("" when one can)

    bool operator==(const OutputChoice&) const = default;
};

OutputChoice chooseKeyOutput(const OutputAvailability& availability);
// The one output asked for, or why it cannot send keys ("The uinput virtual keyboard cannot send
// keys: /dev/uinput is not writable.").
OutputChoice requireUinput(const OutputAvailability& availability);
OutputChoice requireXTest(const OutputAvailability& availability);

}  // namespace velloran
