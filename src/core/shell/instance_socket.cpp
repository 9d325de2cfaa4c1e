#include "shell/instance_socket.h"

#include <algorithm>

#include "base/version.h"

namespace velloran {
namespace {

std::string displayOf(const InstancePlace& p) {
    if (p.platform.starts_with("wayland")) {
        // The client library's own default when the variable is unset.
        return p.waylandDisplay.empty() ? "wayland-0" : p.waylandDisplay;
    }
    if (p.platform == "xcb") return p.x11Display;
    return p.waylandDisplay.empty() ? p.x11Display : p.waylandDisplay;
}

}  // namespace

std::string instanceSocketPath(const InstancePlace& place) {
    // A display may be a socket path itself; it names one file, not a folder.
    std::string display = displayOf(place);
    std::ranges::replace(display, '/', '_');
    std::string name = mainWindowTitle() + " " + display;
    if (!place.runtimeDir.empty()) return place.runtimeDir + "/" + name;
    return place.tempDir + "/" + mainWindowTitle() + " " + std::to_string(place.userId) + " " +
           display;
}

}  // namespace velloran
