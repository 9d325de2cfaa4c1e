#pragma once
// HID button boards as a device back end.
#include <memory>

#include "devices/input_device.h"
#include "hidlink/hidlink_library.h"

namespace velloran {

class HidBackend : public DeviceBackend {
public:
    // Without a library it finds no boards.
    explicit HidBackend(std::shared_ptr<HidLinkLibrary> library) : library_(std::move(library)) {}

    // The boards of the library's table with at least one button, in record order.
    std::vector<std::unique_ptr<InputDevice>> detect() override;

private:
    std::shared_ptr<HidLinkLibrary> library_;
};

// The back end over the library that loadHidLink() finds for this process.
std::unique_ptr<DeviceBackend> makeHidBackend();

}  // namespace velloran
