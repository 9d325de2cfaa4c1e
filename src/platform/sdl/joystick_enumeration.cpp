#include "sdl/joystick_enumeration.h"

#include <algorithm>

#include "devices/joystick_identity.h"
#include "devices/joystick_limits.h"
#include "sdl/by_path_links.h"

namespace velloran {

std::vector<AttachedJoystick> attachedJoysticks(std::string_view model) {
    const ByPathLinks links;
    std::vector<AttachedJoystick> opened;
    std::vector<JoystickTraits> traits;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        char guid[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
        if (!model.empty() && model != guid) continue;
        JoystickHandle handle(SDL_JoystickOpen(index));
        if (!handle) continue;  // e.g. no permission: it cannot be read anyway

        const char* serial = SDL_JoystickGetSerial(handle.get());
        const char* path = SDL_JoystickPath(handle.get());
        traits.push_back({guid, serial ? serial : "", path ? links.nameFor(path) : ""});

        const char* name = SDL_JoystickNameForIndex(index);
        const int buttons =
            std::clamp(SDL_JoystickNumButtons(handle.get()), 0, kMaxJoystickButtons);
        opened.push_back(
            {std::move(handle), guid, {}, false, joystickDisplayName(name ? name : ""), buttons});
    }

    std::vector<AttachedJoystick> sorted;
    sorted.reserve(opened.size());
    for (auto& id : identifyJoysticks(traits)) {
        AttachedJoystick& joystick = opened[id.source];
        joystick.identity = std::move(id.identity);
        joystick.byOrdinal = id.byOrdinal;
        sorted.push_back(std::move(joystick));
    }
    return sorted;
}

}  // namespace velloran
