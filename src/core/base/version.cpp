#include "base/version.h"

namespace velloran {

std::string mainWindowTitle() {
    return std::string(kProductName) + " Ver. " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + " (Beta)";
}

std::string fileVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

}  // namespace velloran
