#pragma once
// Input devices as the core sees them: a back end detects devices in a stable order; each device
// is read once per poll pass and reports every button change since the previous read, in order,
// so that a press shorter than the pass interval still reaches the engine.
#include <memory>
#include <vector>

#include "devices/device_inventory.h"

namespace velloran {

struct ButtonChange {
    int button = 0;  // 1-based
    bool down = false;

    bool operator==(const ButtonChange&) const = default;
};

enum class ReadStatus {
    NewData,      // changes (possibly none) and the current state are valid
    NoChange,     // nothing new since the previous read
    NotAcquired,  // input lost or not acquired: acquire, and end this pass
    ReadFailure,  // the device could not be read this time
    Gone,         // the device is no longer there
};

class InputDevice {
public:
    virtual ~InputDevice() = default;
    virtual const DetectedDevice& info() const = 0;
    // Appends the button changes since the previous read, oldest first.
    virtual ReadStatus read(std::vector<ButtonChange>& changes) = 0;
    // The state of a button (1-based) as of the last read; false outside 1..button count.
    virtual bool pressed(int button) const = 0;
    // Re-acquires the device after NotAcquired.
    virtual void acquire() = 0;
};

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;
    // The attached devices in a stable order; devices returned earlier are released first.
    virtual std::vector<std::unique_ptr<InputDevice>> detect() = 0;
    // Called once at the start of each poll pass (e.g. to pump an event queue).
    virtual void beginPass() {}
};

}  // namespace velloran
