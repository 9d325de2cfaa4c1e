#pragma once
// What device detection leaves behind: the detected devices in detection order and the Button
// table with one entry per button of every device.
#include <string>
#include <vector>

namespace velloran {

enum class DeviceKind { Joystick, Hid };

struct DetectedDevice {
    DeviceKind kind = DeviceKind::Joystick;
    int buttonCount = 0;
    std::string identity;     // matched against a row's "Device ID" Tag, ignoring case
    std::string displayName;  // shown in the Device list and the "Device ID" column
    int hidIndex = -1;        // record index in the HID library's table (HID devices only)
};

struct ButtonEntry {
    int number = 0;           // 1..buttons of its device
    std::string displayText;  // the device's display text
    std::string identifier;   // the device's identity
};

struct DeviceInventory {
    std::vector<DetectedDevice> devices;
    std::vector<ButtonEntry> buttons;

    // Appends a device and its buttons 1..buttonCount to the Button table.
    void add(DetectedDevice device);
    int totalButtons() const { return static_cast<int>(buttons.size()); }
    int largestButtonCount() const;
    bool empty() const { return devices.empty(); }
};

}  // namespace velloran
