#include "devices/editor_devices.h"

#include <QtGlobal>

#include "hidlink/hid_backend.h"
#include "sdl/sdl_joystick_backend.h"

namespace velloran {

EditorDevices EditorDevices::openSystem() {
    std::vector<std::unique_ptr<DeviceBackend>> backends;
    if (auto sdl = SdlJoystickBackend::create()) {
        backends.push_back(std::move(sdl.value()));
    } else {
        qWarning("%s", sdl.error().description.c_str());
    }
    backends.push_back(makeHidBackend());
    return EditorDevices(std::move(backends));
}

DeviceInventory EditorDevices::detect() {
    // A HID library closes its boards before it detects them again, so the old devices go first.
    devices_.clear();
    DeviceInventory inventory;
    for (const auto& backend : backends_) {
        for (auto& device : backend->detect()) {
            inventory.add(device->info());
            devices_.push_back(std::move(device));
        }
    }
    return inventory;
}

EngineDevices EditorDevices::engineDevices() const {
    EngineDevices engine;
    for (const auto& backend : backends_) engine.backends.push_back(backend.get());
    for (const auto& device : devices_) engine.devices.push_back(device.get());
    return engine;
}

}  // namespace velloran
