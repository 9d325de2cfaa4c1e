#pragma once
// The start-up check of the input layer the game controllers are read through: the program
// refuses to start without it or with a release older than the one it needs.
#include <optional>
#include <string>

#include "base/message_box.h"

namespace velloran {

struct LibraryVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;

    auto operator<=>(const LibraryVersion&) const = default;
};

// The oldest release with the joystick calls the device back end relies on.
inline constexpr LibraryVersion kRequiredInputLayer{2, 0, 18};

// "2.0.18".
std::string versionText(const LibraryVersion& version);

// True when `detected` is at least the required release. Otherwise the user is told why the
// program cannot run: the version could not be detected (nullopt), or it is too old.
bool inputLayerCheck(const std::optional<LibraryVersion>& detected, MessageBoxes& boxes);

}  // namespace velloran
