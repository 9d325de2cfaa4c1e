#include "devices/device_inventory.h"

#include <algorithm>

namespace velloran {

void DeviceInventory::add(DetectedDevice device) {
    for (int b = 1; b <= device.buttonCount; ++b) {
        buttons.push_back(ButtonEntry{b, device.displayName, device.identity});
    }
    devices.push_back(std::move(device));
}

int DeviceInventory::largestButtonCount() const {
    int largest = 0;
    for (const auto& d : devices) largest = std::max(largest, d.buttonCount);
    return largest;
}

}  // namespace velloran
