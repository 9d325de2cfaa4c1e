#pragma once
// The place of one device a configuration maps, attached or not. The engine reads the slot as
// one device for the whole run; the slot reads whichever device of that identity is attached now.
// So unplugging and replugging never changes the engine's device list, and a device that goes
// away cannot end a pass for the devices after it.
//
// The slot reports a button change only when it changes what the engine has seen: a device that
// goes away has its held buttons released, and a device that takes over the place (replugged, or
// found by a newer detection) starts from what the engine has seen, so a button held across the
// change is neither pressed twice nor left without its release.
#include <memory>
#include <vector>

#include "devices/input_device.h"

namespace velloran {

class DeviceSlot final : public InputDevice {
public:
    // `info`: the identity, the largest button number mapped and the name the file gives.
    explicit DeviceSlot(DetectedDevice info);

    const DetectedDevice& info() const override { return info_; }
    // Never NotAcquired, ReadFailure or Gone: those of the device are handled here.
    ReadStatus read(std::vector<ButtonChange>& changes) override;
    bool pressed(int button) const override;
    void acquire() override {}

    // Gives the place to `device`, found by back end `source`; it is read from the next read on.
    void attach(std::unique_ptr<InputDevice> device, int source);
    // Empties the place and hands its device over (e.g. to the slot of a new plan).
    std::unique_ptr<InputDevice> detach();
    // The back end of the device in the place; -1 when empty.
    int source() const { return device_ ? source_ : -1; }
    // A device is in the place and answers.
    bool reachable() const { return device_ != nullptr && reachable_; }
    // The last read of the device failed (it stays in the place and is read again).
    bool failing() const { return failing_; }

    // The next read reports every button the engine has seen down as released, and reads nothing
    // from the device; the read after it picks up the device's state again.
    void releaseAll() { draining_ = true; }

private:
    void report(int button, bool down, std::vector<ButtonChange>& changes);
    ReadStatus readDevice();

    DetectedDevice info_;
    std::unique_ptr<InputDevice> device_;
    int source_ = -1;
    bool reachable_ = false;
    bool failing_ = false;
    bool resync_ = false;
    bool draining_ = false;
    std::vector<bool> reported_;  // what the engine has seen, by button number
    std::vector<ButtonChange> scratch_;
};

}  // namespace velloran
