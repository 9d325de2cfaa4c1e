#pragma once
// Virtual game controllers for demonstrations and tests, written as a list of
// "<name>:<button count>" entries separated by commas: "Demo Pad:12,Demo Board:32".
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "devices/joystick_limits.h"

namespace velloran {

struct VirtualDeviceSetup {
    std::string name;
    int buttons = 0;

    bool operator==(const VirtualDeviceSetup&) const = default;
};

// Names keep inner blanks and may contain ":" (the last one separates the count); blanks around
// names and counts are dropped. An empty text is an empty list. Counts run from 1 to 128.
Result<std::vector<VirtualDeviceSetup>> parseVirtualDevices(std::string_view text);

}  // namespace velloran
