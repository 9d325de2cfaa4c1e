#pragma once
// `--virtual-devices "Name:buttons,…"`: SDL virtual game controllers for trying runvale without
// hardware. They stay attached while the returned objects live.
#include <string>
#include <vector>

#include "base/result.h"
#include "sdl/virtual_joystick.h"

namespace velloran::runvale {

Result<std::vector<VirtualJoystick>> attachVirtualDevices(const std::string& text);

}  // namespace velloran::runvale
