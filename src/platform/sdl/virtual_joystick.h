#pragma once
// SDL virtual game controllers for demonstrations and tests: each looks to the back end like a
// plugged-in controller with the given name and buttons (no path and no serial, so identical
// ones are told apart by ordinal). Buttons are raw: no controller remapping applies.
//
// SDL takes a virtual controller's buttons over only when it updates its joysticks (each poll
// pass does); a button set down and up again before that update is never seen. pressAndRelease()
// puts an update between the two.
#include <memory>
#include <vector>

#include "base/result.h"
#include "devices/virtual_device_setup.h"
#include "sdl/joystick_enumeration.h"

namespace velloran {

class SdlJoystickHub;

class VirtualJoystick {
public:
    // Attaches a virtual controller; it stays attached until this object goes.
    static Result<VirtualJoystick> attach(const VirtualDeviceSetup& setup);
    ~VirtualJoystick();
    VirtualJoystick(VirtualJoystick&&) noexcept;
    VirtualJoystick& operator=(VirtualJoystick&&) noexcept;

    const VirtualDeviceSetup& setup() const { return setup_; }
    // Sets a button (1-based; others are ignored); it shows at SDL's next update.
    void setButton(int button, bool down);
    // A short press: down, an SDL update, up. The release shows at the next update.
    void pressAndRelease(int button);

private:
    VirtualJoystick(std::shared_ptr<SdlJoystickHub> hub, VirtualDeviceSetup setup,
                    JoystickHandle handle);
    void detach();

    std::shared_ptr<SdlJoystickHub> hub_;
    VirtualDeviceSetup setup_;
    JoystickHandle joystick_;
};

// Attaches one virtual controller per entry, in order.
Result<std::vector<VirtualJoystick>> attachVirtualJoysticks(
    const std::vector<VirtualDeviceSetup>& setups);

// Lets SDL take over the virtual buttons set so far, as the next poll pass would.
void updateVirtualJoysticks();

}  // namespace velloran
