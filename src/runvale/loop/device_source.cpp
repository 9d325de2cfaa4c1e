#include "loop/device_source.h"

#include <chrono>

#include "hidlink/hid_backend.h"
#include "sdl/sdl_joystick_backend.h"

namespace velloran::runvale {
namespace {

// A run polls without pause, so button changes queued during a long macro are a backlog to play
// in order, never one to drop.
constexpr std::chrono::milliseconds kKeepEveryChange = std::chrono::hours(24);

}  // namespace

std::vector<DeviceSource> openDeviceSources(std::ostream& log) {
    std::vector<DeviceSource> sources;
    auto sdl = SdlJoystickBackend::create(kKeepEveryChange);
    auto hub = SdlJoystickHub::instance();
    if (sdl && hub) {
        sources.push_back(DeviceSource{std::move(sdl.value()), DetectionMode::Replace,
                                       [hub = hub.value()] { return hub->generation(); }});
    } else {
        log << (sdl ? hub.error() : sdl.error()).description << std::endl;
    }
    sources.push_back(DeviceSource{makeHidBackend(), DetectionMode::FillGaps, {}});
    return sources;
}

}  // namespace velloran::runvale
