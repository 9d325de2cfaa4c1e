#pragma once
// Where the editor's keystrokes go: the test and the lock keys of record mode ask for a key
// output when they need one and drop it when they are done. Tests hand in one that records.
#include <functional>
#include <string>

#include "x11/key_output_chooser.h"

namespace velloran {

using KeyOutputFactory = std::function<OpenedKeyOutput()>;

// The best output of this session: uinput, else the Wayland virtual keyboard, else XTest, else
// none with the reason. It is opened at the first call and kept for the program's run, so that a
// uinput keyboard is made once (the system needs a moment to open a new one and set its LEDs).
// Each call hands out a handle that releases the keys it left down when it is dropped. What the
// output has to say once (no keyboard tells the lock states) goes to standard error and `notice`.
KeyOutputFactory systemKeyOutput(std::function<void(const std::string&)> notice = {});

}  // namespace velloran
