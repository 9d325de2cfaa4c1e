#include "virtual_devices.h"

#include "devices/virtual_device_setup.h"

namespace velloran::runvale {

Result<std::vector<VirtualJoystick>> attachVirtualDevices(const std::string& text) {
    auto setups = parseVirtualDevices(text);
    if (!setups) return setups.error();
    return attachVirtualJoysticks(setups.value());
}

}  // namespace velloran::runvale
