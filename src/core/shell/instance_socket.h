#pragma once
// Where a running editor listens for later starts: one editor per user and desktop session.
#include <string>

namespace velloran {

struct InstancePlace {
    std::string runtimeDir;  // XDG_RUNTIME_DIR; "" when unset
    std::string tempDir;     // the shared temporary folder, used without a runtime folder
    unsigned userId = 0;
    std::string platform;        // the window system the editor shows on ("xcb", "wayland", ...)
    std::string x11Display;      // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
};

// The hand-over socket's path: the main window's title and the display the windows appear on,
// in the user's runtime folder. Another display of the same user (a second X server, a remote
// session) gets its own editor; without a runtime folder the user id keeps users apart.
std::string instanceSocketPath(const InstancePlace& place);

}  // namespace velloran
