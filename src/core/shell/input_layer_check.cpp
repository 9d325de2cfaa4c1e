#include "shell/input_layer_check.h"

namespace velloran {

std::string versionText(const LibraryVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.patch);
}

bool inputLayerCheck(const std::optional<LibraryVersion>& detected, MessageBoxes& boxes) {
    if (!detected) {
        boxes.message(Icon::Critical, "SDL Error", "Error detecting SDL.");
        return false;
    }
    if (*detected < kRequiredInputLayer) {
        std::string text = "SDL " + versionText(*detected) + " detected.";
        text += kCrLf;
        text += kCrLf;
        text += "SDL " + versionText(kRequiredInputLayer) + " or higher required.";
        boxes.message(Icon::Exclamation, "Incorrect SDL Detected", text);
        return false;
    }
    return true;
}

}  // namespace velloran
