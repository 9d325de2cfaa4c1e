#pragma once
// The /dev/input/by-path links, which name the physical port a device node hangs off.
#include <filesystem>
#include <map>
#include <string>

namespace velloran {

class ByPathLinks {
public:
    // Reads the folder once; a missing folder means no links.
    explicit ByPathLinks(const std::filesystem::path& folder = "/dev/input/by-path");

    // The name of a link that points at this device node, "" when none does. Where several do
    // ("…-usb-…" and "…-usbv2-…"), the first in name order, so the choice is the same each time.
    std::string nameFor(const std::string& node) const;

private:
    std::map<std::string, std::string> names_;  // resolved node → link name
};

}  // namespace velloran
