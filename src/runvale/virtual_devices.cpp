#include "virtual_devices.h"

#include "devices/virtual_device_spec.h"

namespace velloran::runvale {

Result<std::vector<VirtualJoystick>> attachVirtualDevices(const std::string& text) {
    auto specs = parseVirtualDevices(text);
    if (!specs) return specs.error();
    return attachVirtualJoysticks(specs.value());
}

}  // namespace velloran::runvale
