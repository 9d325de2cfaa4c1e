#include "sdl/sdl_joystick_backend.h"

#include "sdl/joystick_enumeration.h"
#include "sdl/sdl_joystick.h"

namespace velloran {

Result<std::unique_ptr<SdlJoystickBackend>> SdlJoystickBackend::create(
    std::chrono::milliseconds backlogLimit) {
    auto hub = SdlJoystickHub::instance();
    if (!hub) return hub.error();
    hub.value()->setBacklogLimit(backlogLimit);
    return std::unique_ptr<SdlJoystickBackend>(new SdlJoystickBackend(std::move(hub.value())));
}

std::vector<std::unique_ptr<InputDevice>> SdlJoystickBackend::detect() {
    hub_->releaseDevicesOf(this);
    SDL_JoystickUpdate();  // SDL notices devices plugged in or out when it updates
    std::vector<std::unique_ptr<InputDevice>> devices;
    for (AttachedJoystick& joystick : attachedJoysticks()) {
        devices.push_back(std::make_unique<SdlJoystick>(hub_, this, std::move(joystick)));
    }
    return devices;
}

}  // namespace velloran
