#include "uinput/uinput_events.h"

#include <algorithm>

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
    for (std::uint16_t position = 1; position < kKeyPositionCount; ++position) {
        codes.push_back(position);
    }
    return codes;
}

std::vector<input_event> uinputEventsOf(std::span<const KeyRecord> batch) {
    KeyRouting routing;
    return uinputEventsOf(batch, routing, KeyTranslation());
}

std::vector<input_event> uinputEventsOf(std::span<const KeyRecord> batch, KeyRouting& routing,
                                        const KeyTranslation& translation) {
    std::vector<input_event> events;
    std::vector<std::uint16_t> inFrame;
    for (const KeyRecord& record : batch) {
        const std::uint16_t code = routing.route(record.scanCode, record.keyUp, translation);
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

std::vector<input_event> releaseEventsOf(const std::vector<std::uint16_t>& heldCodes) {
    std::vector<input_event> events;
    for (std::uint16_t code : heldCodes) events.push_back(eventOf(EV_KEY, code, 0));
    if (!events.empty()) events.push_back(eventOf(EV_SYN, SYN_REPORT, 0));
    return events;
}

}  // namespace velloran
