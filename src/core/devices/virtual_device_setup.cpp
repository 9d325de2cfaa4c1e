#include "devices/virtual_device_setup.h"

#include <algorithm>
#include <charconv>

namespace velloran {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

RuntimeError badEntry(std::string_view entry, std::string_view why) {
    return RuntimeError{err::TypeMismatch,
                        "Virtual device \"" + std::string(entry) + "\": " + std::string(why)};
}

Result<VirtualDeviceSetup> parseEntry(std::string_view entry) {
    const auto colon = entry.rfind(':');
    if (colon == std::string_view::npos) {
        return badEntry(entry, "expected <name>:<button count>");
    }
    const std::string_view name = trimmed(entry.substr(0, colon));
    const std::string_view count = trimmed(entry.substr(colon + 1));
    if (name.empty()) return badEntry(entry, "the name is empty");
    int buttons = 0;
    const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), buttons);
    if (count.empty() || ec == std::errc::invalid_argument || end != count.data() + count.size()) {
        return badEntry(entry, "the button count is not a whole number");
    }
    if (ec == std::errc::result_out_of_range || buttons < 1 || buttons > kMaxJoystickButtons) {
        return badEntry(entry,
                        "the button count must be 1 to " + std::to_string(kMaxJoystickButtons));
    }
    return VirtualDeviceSetup{std::string(name), buttons};
}

}  // namespace

Result<std::vector<VirtualDeviceSetup>> parseVirtualDevices(std::string_view text) {
    std::vector<VirtualDeviceSetup> setups;
    if (trimmed(text).empty()) return setups;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = std::min(text.find(',', start), text.size());
        const std::string_view entry = trimmed(text.substr(start, comma - start));
        if (entry.empty()) {
            return RuntimeError{err::TypeMismatch, "Virtual device list: an entry is empty"};
        }
        auto setup = parseEntry(entry);
        if (!setup) return setup.error();
        setups.push_back(std::move(setup.value()));
        start = comma + 1;
    }
    return setups;
}

}  // namespace velloran
