#include "sdl/sdl_joystick_hub.h"

#include <algorithm>

#include "sdl/sdl_joystick.h"

namespace velloran {

Result<std::shared_ptr<SdlJoystickHub>> SdlJoystickHub::instance() {
    static std::weak_ptr<SdlJoystickHub> current;
    if (auto hub = current.lock()) return hub;

    // Devices are read while other windows have the focus; the program's own signal handling
    // must stay as it is.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return RuntimeError{err::DeviceUnavailable,
                            std::string("Game controllers unavailable: ") + SDL_GetError()};
    }
    for (Uint32 type :
         {SDL_JOYAXISMOTION, SDL_JOYBALLMOTION, SDL_JOYHATMOTION, SDL_JOYBATTERYUPDATED}) {
        SDL_EventState(type, SDL_IGNORE);
    }
    std::shared_ptr<SdlJoystickHub> hub(new SdlJoystickHub());
    current = hub;
    return hub;
}

SdlJoystickHub::~SdlJoystickHub() {
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlJoystickHub::pump() {
    SDL_PumpEvents();
    const Uint64 now = SDL_GetTicks64();
    const bool backlog = now - lastPump_ > static_cast<Uint64>(backlogLimit_.count());
    lastPump_ = now;

    const int capacity = static_cast<int>(events_.size());
    int taken = 0;
    do {
        taken = SDL_PeepEvents(events_.data(), capacity, SDL_GETEVENT, SDL_JOYAXISMOTION,
                               SDL_CONTROLLERAXISMOTION - 1);
        for (int i = 0; i < taken; ++i) dispatch(events_[static_cast<std::size_t>(i)]);
    } while (taken == capacity);

    for (SdlJoystick* device : devices_) {
        if (backlog || device->fresh()) device->resync();
    }
}

void SdlJoystickHub::dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (SdlJoystick* device = deviceFor(event.jbutton.which)) {
                device->onButton(event.jbutton.button, event.jbutton.state == SDL_PRESSED);
            }
            break;
        case SDL_JOYDEVICEADDED:
            ++generation_;
            break;
        case SDL_JOYDEVICEREMOVED:
            ++generation_;
            if (SdlJoystick* device = deviceFor(event.jdevice.which)) device->onRemoved();
            break;
        default:
            break;
    }
}

SdlJoystick* SdlJoystickHub::deviceFor(SDL_JoystickID instance) const {
    for (SdlJoystick* device : devices_) {
        if (device->instanceId() == instance) return device;
    }
    return nullptr;
}

void SdlJoystickHub::add(SdlJoystick* device) {
    devices_.push_back(device);
}

void SdlJoystickHub::remove(SdlJoystick* device) {
    std::erase(devices_, device);
}

void SdlJoystickHub::releaseDevicesOf(const void* owner) {
    for (SdlJoystick* device : devices_) {
        if (device->owner() == owner) device->release();
    }
}

bool SdlJoystickHub::holds(SDL_JoystickID instance) const {
    return deviceFor(instance) != nullptr;
}

}  // namespace velloran
