#pragma once
// The editor's input devices: game controllers first, then HID boards (InitDirectInput, then
// DetectDevices). The devices of the last detection stay open, so that a test reads the very
// devices the Device list shows, in the same order.
#include <memory>
#include <vector>

#include "devices/device_inventory.h"
#include "devices/input_device.h"
#include "engine/mapping_engine.h"

namespace velloran {

class EditorDevices {
public:
    explicit EditorDevices(std::vector<std::unique_ptr<DeviceBackend>> backends)
        : backends_(std::move(backends)) {}

    // SDL game controllers (left out, with a warning, when SDL's joystick subsystem does not
    // start) and the HID boards of the library found for this process.
    static EditorDevices openSystem();

    // Releases the devices of the previous detection, then detects each back end in order.
    DeviceInventory detect();

    // What a test reads: the back ends and the devices of the last detection.
    EngineDevices engineDevices() const;

private:
    std::vector<std::unique_ptr<DeviceBackend>> backends_;
    std::vector<std::unique_ptr<InputDevice>> devices_;
};

}  // namespace velloran
