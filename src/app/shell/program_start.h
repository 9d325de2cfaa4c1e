#pragma once
// The pieces of the program's start before the main window: the input layer's version, the
// command line as one text and the splash screen.
#include <QStringList>
#include <optional>
#include <string>

#include "shell/input_layer_check.h"

namespace velloran {

// The SDL release the program runs with (the loaded library, not the one it was built
// against); nullopt when it reports none.
std::optional<LibraryVersion> sdlVersion();

// The arguments after the program's name joined by blanks, as one command-line text.
std::string commandLineText(const QStringList& arguments);

// Shows formSplash and returns when it has closed (after 3 s, or at a key press).
void showSplashUntilClosed();

}  // namespace velloran
