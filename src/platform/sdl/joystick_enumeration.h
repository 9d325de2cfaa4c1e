#pragma once
// The game controllers SDL lists, opened, with their identities (devices/joystick_identity.h).
#include <SDL.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velloran {

struct JoystickCloser {
    void operator()(SDL_Joystick* joystick) const { SDL_JoystickClose(joystick); }
};
// SDL counts opens of the same device, so holding a second handle is cheap and harmless.
using JoystickHandle = std::unique_ptr<SDL_Joystick, JoystickCloser>;

struct AttachedJoystick {
    JoystickHandle handle;
    std::string guid;      // the model GUID as text
    std::string identity;  // unique among the attached controllers
    bool byOrdinal = false;
    std::string name;
    int buttons = 0;  // at most 128
};

// The attached controllers that can be opened, sorted as identifyJoysticks sorts them; with a
// model GUID, only the controllers of that model (their identities are the same either way).
std::vector<AttachedJoystick> attachedJoysticks(std::string_view model = {});

}  // namespace velloran
