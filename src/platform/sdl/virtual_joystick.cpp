#include "sdl/virtual_joystick.h"

#include <string>

#include "sdl/sdl_joystick_hub.h"

namespace velloran {
namespace {

RuntimeError attachError(const VirtualDeviceSetup& setup, const std::string& why) {
    return RuntimeError{err::DeviceUnavailable,
                        "Cannot attach the virtual device \"" + setup.name + "\": " + why};
}

}  // namespace

Result<VirtualJoystick> VirtualJoystick::attach(const VirtualDeviceSetup& setup) {
    if (setup.buttons < 1 || setup.buttons > kMaxJoystickButtons) {
        return attachError(setup, std::to_string(setup.buttons) + " buttons");
    }
    auto hub = SdlJoystickHub::instance();
    if (!hub) return hub.error();

    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_ARCADE_PAD;  // not a game controller: no button remapping
    desc.nbuttons = static_cast<Uint16>(setup.buttons);
    desc.name = setup.name.c_str();
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return attachError(setup, SDL_GetError());
    JoystickHandle handle(SDL_JoystickOpen(index));
    if (!handle) {
        const RuntimeError error = attachError(setup, SDL_GetError());
        SDL_JoystickDetachVirtual(index);
        return error;
    }
    return VirtualJoystick(std::move(hub.value()), setup, std::move(handle));
}

VirtualJoystick::VirtualJoystick(std::shared_ptr<SdlJoystickHub> hub, VirtualDeviceSetup setup,
                                 JoystickHandle handle)
    : hub_(std::move(hub)), setup_(std::move(setup)), joystick_(std::move(handle)) {}

VirtualJoystick::VirtualJoystick(VirtualJoystick&&) noexcept = default;

VirtualJoystick& VirtualJoystick::operator=(VirtualJoystick&& other) noexcept {
    if (this != &other) {
        detach();
        hub_ = std::move(other.hub_);
        setup_ = std::move(other.setup_);
        joystick_ = std::move(other.joystick_);
    }
    return *this;
}

VirtualJoystick::~VirtualJoystick() {
    detach();
}

void VirtualJoystick::detach() {
    if (!joystick_) return;
    // SDL detaches by device index, which shifts as other devices come and go.
    const SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_.get());
    for (int index = 0, count = SDL_NumJoysticks(); index < count; ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == instance) {
            SDL_JoystickDetachVirtual(index);
            break;
        }
    }
    joystick_.reset();
}

void VirtualJoystick::setButton(int button, bool down) {
    if (!joystick_ || button < 1 || button > setup_.buttons) return;
    SDL_JoystickSetVirtualButton(joystick_.get(), button - 1, down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualJoystick::pressAndRelease(int button) {
    setButton(button, true);
    updateVirtualJoysticks();
    setButton(button, false);
}

Result<std::vector<VirtualJoystick>> attachVirtualJoysticks(
    const std::vector<VirtualDeviceSetup>& setups) {
    std::vector<VirtualJoystick> joysticks;
    joysticks.reserve(setups.size());
    for (const auto& setup : setups) {
        auto joystick = VirtualJoystick::attach(setup);
        if (!joystick) return joystick.error();
        joysticks.push_back(std::move(joystick.value()));
    }
    return joysticks;
}

void updateVirtualJoysticks() {
    SDL_JoystickUpdate();
}

}  // namespace velloran
