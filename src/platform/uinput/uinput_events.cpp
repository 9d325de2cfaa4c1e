#include "uinput/uinput_events.h"

#include <algorithm>

#include "keys/scan_codes.h"

namespace velloran {
namespace {

input_event eventOf(std::uint16_t type, std::uint16_t code, std::int32_t value) {
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

}  // namespace

std::vector<std::uint16_t> producibleKeyCodes() {
    std::vector<std::uint16_t> codes;
    for (unsigned vk = 1; vk < 256; ++vk) {
        const std::uint16_t code = linuxKeyCodeOf(scanCodeOf(static_cast<std::uint16_t>(vk)));
        if (code != 0) codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

std::vector<input_event> uinputEventsOf(std::span<const KeyRecord> batch) {
    std::vector<input_event> events;
    std::vector<std::uint16_t> inFrame;
    for (const KeyRecord& record : batch) {
        const std::uint16_t code = linuxKeyCodeOf(record.scanCode);
        if (code == 0) continue;
        if (std::find(inFrame.begin(), inFrame.end(), code) != inFrame.end()) {
            events.push_back(eventOf(EV_SYN, SYN_REPORT, 0));
            inFrame.clear();
        }
        events.push_back(eventOf(EV_KEY, code, record.keyUp ? 0 : 1));
        inFrame.push_back(code);
    }
    if (!inFrame.empty()) events.push_back(eventOf(EV_SYN, SYN_REPORT, 0));
    return events;
}

}  // namespace velloran
