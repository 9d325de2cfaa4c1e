#pragma once
// The device back ends of a run: SDL game controllers and HID boards, each with how its
// detections relate and how it reports devices coming and going.
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "devices/input_device.h"
#include "engine/device_slots.h"

namespace velloran::runvale {

struct DeviceSource {
    std::unique_ptr<DeviceBackend> backend;
    DetectionMode mode = DetectionMode::FillGaps;
    // Counts devices plugged in or out; empty for a back end that reports nothing.
    std::function<std::uint64_t()> changes;
};

// The game controllers (unless SDL cannot start, which `log` is told) and the HID boards of the
// library found for this process.
std::vector<DeviceSource> openDeviceSources(std::ostream& log);

}  // namespace velloran::runvale
