#pragma once
// The keyboard layout recording names keys by: the one the editor's key output follows (the X
// server's under X11, following its changes; else the desktop's configured layout), opened at
// the first key.
#include "keys/key_layout.h"

namespace velloran {

KeyLayout& recordingLayout();

}  // namespace velloran
