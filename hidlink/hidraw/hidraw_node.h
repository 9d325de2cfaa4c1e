#pragma once
// The hidraw nodes the system lists, with what sysfs tells about each. The roots come from
// HIDLINK_SYSFS_ROOT and HIDLINK_DEV_ROOT (default /sys and /dev), so tests can lay out a tree.
#include <cstdint>
#include <string>
#include <vector>

namespace hidlink {

struct HidrawNode {
    int number = 0;          // N of hidrawN
    std::string devicePath;  // <dev root>/hidrawN
    std::string name;        // HID_NAME
    std::string phys;        // HID_PHYS: bus, controller, port path and interface
    std::string uniq;        // HID_UNIQ: the serial number, often empty
    unsigned vendor = 0;
    unsigned product = 0;
    std::vector<std::uint8_t> descriptor;  // empty when sysfs has none
};

// Every <sysfs root>/class/hidraw/hidrawN, by ascending N.
std::vector<HidrawNode> scanHidrawNodes();

// "<phys>:<vendor>:<product>" with the IDs as four hexadecimal digits, and ":<serial>" when the
// board has one; "hidrawN" stands in for a missing physical path.
std::string nodeIdentifier(const HidrawNode& node);

}  // namespace hidlink
