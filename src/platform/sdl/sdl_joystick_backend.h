#pragma once
// Game controllers through SDL2's joystick API, with raw button numbers (no controller
// remapping). Devices come in the order of their identities (devices/joystick_identity.h), so
// the order does not depend on which was plugged in first.
//
// beginPass() must run once per poll pass before the devices are read: it collects the button
// changes SDL has queued since the previous pass. Between tests nothing is collected; the first
// pass after such a pause (or after detection) starts from the devices' current state instead
// of replaying what was pressed meanwhile.
#include <chrono>
#include <memory>
#include <vector>

#include "base/result.h"
#include "devices/input_device.h"
#include "sdl/sdl_joystick_hub.h"

namespace velloran {

class SdlJoystickBackend final : public DeviceBackend {
public:
    // Fails when SDL's joystick subsystem cannot start.
    static Result<std::unique_ptr<SdlJoystickBackend>> create(
        std::chrono::milliseconds backlogLimit = SdlJoystickHub::kDefaultBacklogLimit);

    // Releases the devices detected before (they read as Gone) and opens the attached ones.
    std::vector<std::unique_ptr<InputDevice>> detect() override;
    void beginPass() override { hub_->pump(); }

private:
    explicit SdlJoystickBackend(std::shared_ptr<SdlJoystickHub> hub) : hub_(std::move(hub)) {}

    std::shared_ptr<SdlJoystickHub> hub_;
};

}  // namespace velloran
