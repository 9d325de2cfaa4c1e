#pragma once
// The devices a configuration maps, one slot each (mapping/device_slot.h), and the hand-over of
// detected devices to them. Devices the configuration does not map are not read at all.
#include <memory>
#include <string>
#include <vector>

#include "table/mapping_table.h"
#include "devices/input_device.h"
#include "engine/device_slot.h"

namespace velloran {

// How a back end's new detection relates to its earlier one.
enum class DetectionMode {
    Replace,   // a detection releases the devices of the previous one: they all move over
    FillGaps,  // earlier devices stay valid: only empty or unreachable places take new ones
};

struct DeviceEvent {
    enum class Kind { Waiting, Found, Lost, Back, ReadFailure };
    Kind kind = Kind::Found;
    std::string displayName;
    std::string identity;

    bool operator==(const DeviceEvent&) const = default;
};

// One line for the run's log, e.g. "Device lost: Stick [IDENTITY]".
std::string describe(const DeviceEvent& event);

// The devices `table` maps, in the order of their first row: identity as first written, the
// largest button number mapped and the "Device ID" text of that first row as display name.
std::vector<DetectedDevice> mappedDevices(const MappingTable& table);

class DeviceSlots {
public:
    // Slots for the devices `table` maps. A slot of a device mapped before keeps its device;
    // the others are dropped.
    void plan(const MappingTable& table);

    // The slots in order, for the engine.
    std::vector<InputDevice*> devices() const;
    std::size_t size() const { return slots_.size(); }
    const DeviceSlot& slot(std::size_t i) const { return *slots_[i]; }

    // Hands a detection of back end `source` over to the slots by identity, ignoring case.
    void offer(int source, std::vector<std::unique_ptr<InputDevice>> detected, DetectionMode mode);
    // Some mapped device is not there.
    bool missing() const;
    // Every slot reports its held buttons released at the next pass (before a new compile).
    void releaseAll();

    // What changed since the previous call: devices found, lost, back, failing.
    std::vector<DeviceEvent> takeEvents();
    // A Waiting event for each mapped device that is not there.
    std::vector<DeviceEvent> waiting() const;

private:
    struct Seen {
        bool reachable = false;
        bool everReachable = false;
        bool failing = false;
    };

    DeviceSlot* slotFor(const std::string& identity) const;

    std::vector<std::unique_ptr<DeviceSlot>> slots_;
    std::vector<Seen> seen_;
};

}  // namespace velloran
