#include "sdl/virtual_joystick.h"

#include <string>

#include "sdl/sdl_joystick_hub.h"

namespace velloran {
namespace {

RuntimeError attachError(const VirtualDeviceSpec& spec, const std::string& why) {
    return RuntimeError{err::DeviceUnavailable,
                        "Cannot attach the virtual device \"" + spec.name + "\": " + why};
}

}  // namespace

Result<VirtualJoystick> VirtualJoystick::attach(const VirtualDeviceSpec& spec) {
    if (spec.buttons < 1 || spec.buttons > kMaxJoystickButtons) {
        return attachError(spec, std::to_string(spec.buttons) + " buttons");
    }
    auto hub = SdlJoystickHub::instance();
    if (!hub) return hub.error();

    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_ARCADE_PAD;  // not a game controller: no button remapping
    desc.nbuttons = static_cast<Uint16>(spec.buttons);
    desc.name = spec.name.c_str();
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return attachError(spec, SDL_GetError());
    JoystickHandle handle(SDL_JoystickOpen(index));
    if (!handle) {
        const RuntimeError error = attachError(spec, SDL_GetError());
        SDL_JoystickDetachVirtual(index);
        return error;
    }
    return VirtualJoystick(std::move(hub.value()), spec, std::move(handle));
}

VirtualJoystick::VirtualJoystick(std::shared_ptr<SdlJoystickHub> hub, VirtualDeviceSpec spec,
                                 JoystickHandle handle)
    : hub_(std::move(hub)), spec_(std::move(spec)), joystick_(std::move(handle)) {}

VirtualJoystick::VirtualJoystick(VirtualJoystick&&) noexcept = default;

VirtualJoystick& VirtualJoystick::operator=(VirtualJoystick&& other) noexcept {
    if (this != &other) {
        detach();
        hub_ = std::move(other.hub_);
        spec_ = std::move(other.spec_);
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
    if (!joystick_ || button < 1 || button > spec_.buttons) return;
    SDL_JoystickSetVirtualButton(joystick_.get(), button - 1, down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualJoystick::pressAndRelease(int button) {
    setButton(button, true);
    updateVirtualJoysticks();
    setButton(button, false);
}

Result<std::vector<VirtualJoystick>> attachVirtualJoysticks(
    const std::vector<VirtualDeviceSpec>& specs) {
    std::vector<VirtualJoystick> joysticks;
    joysticks.reserve(specs.size());
    for (const auto& spec : specs) {
        auto joystick = VirtualJoystick::attach(spec);
        if (!joystick) return joystick.error();
        joysticks.push_back(std::move(joystick.value()));
    }
    return joysticks;
}

void updateVirtualJoysticks() {
    SDL_JoystickUpdate();
}

}  // namespace velloran
