#pragma once
// Where the editor's keystrokes go: the test and the lock keys of record mode open a key output
// when they need one and close it when they are done (the uinput virtual keyboard exists only
// meanwhile). Tests hand in one that records.
#include <functional>

#include "x11/key_output_chooser.h"

namespace velloran {

using KeyOutputFactory = std::function<OpenedKeyOutput()>;

// The best output of this session: uinput, else XTest, else none with the reason.
inline KeyOutputFactory systemKeyOutput() {
    return [] { return openKeyOutput(); };
}

}  // namespace velloran
