#include "engine/device_slots.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

#include "table/row_state.h"
#include "devices/hid_record.h"

namespace velloran {
namespace {

// The button number a row maps, as the compiler reads "Button No.": the number's own text.
int buttonNumber(const std::string& text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size()) return 0;
    if (n < 1 || n > hid::kMaxButtons || std::to_string(n) != text) return 0;
    return n;
}

std::string_view prefixOf(DeviceEvent::Kind kind) {
    switch (kind) {
        case DeviceEvent::Kind::Waiting:
            return "Waiting for device: ";
        case DeviceEvent::Kind::Found:
            return "Device found: ";
        case DeviceEvent::Kind::Lost:
            return "Device lost: ";
        case DeviceEvent::Kind::Back:
            return "Device back: ";
        case DeviceEvent::Kind::ReadFailure:
            return "Device read failure: ";
    }
    return "";
}

}  // namespace

std::string describe(const DeviceEvent& event) {
    std::string line(prefixOf(event.kind));
    line += event.displayName;
    line += " [";
    line += event.identity;
    line += ']';
    return line;
}

std::vector<DetectedDevice> mappedDevices(const MappingTable& table) {
    std::vector<DetectedDevice> out;
    for (const MappingRow& row : table.rows()) {
        const int button = buttonNumber(row.text);
        if (button == 0) continue;
        const std::string identity = row.cell(col::DeviceId).tag.toText();
        auto it = std::find_if(out.begin(), out.end(), [&](const DetectedDevice& d) {
            return sameIdentity(d.identity, identity);
        });
        if (it == out.end()) {
            out.push_back(DetectedDevice{DeviceKind::Joystick, button, identity,
                                         row.cell(col::DeviceId).text});
        } else {
            it->buttonCount = std::max(it->buttonCount, button);
        }
    }
    return out;
}

void DeviceSlots::plan(const MappingTable& table) {
    std::vector<std::unique_ptr<DeviceSlot>> slots;
    std::vector<Seen> seen;
    for (DetectedDevice& info : mappedDevices(table)) {
        auto slot = std::make_unique<DeviceSlot>(info);
        Seen was;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (!slots_[i] || !sameIdentity(slots_[i]->info().identity, info.identity)) continue;
            const int source = slots_[i]->source();
            slot->attach(slots_[i]->detach(), source);
            was = seen_[i];
            slots_[i].reset();
            break;
        }
        slots.push_back(std::move(slot));
        seen.push_back(was);
    }
    slots_ = std::move(slots);
    seen_ = std::move(seen);
}

std::vector<InputDevice*> DeviceSlots::devices() const {
    std::vector<InputDevice*> out;
    out.reserve(slots_.size());
    for (const auto& slot : slots_) out.push_back(slot.get());
    return out;
}

DeviceSlot* DeviceSlots::slotFor(const std::string& identity) const {
    for (const auto& slot : slots_) {
        if (sameIdentity(slot->info().identity, identity)) return slot.get();
    }
    return nullptr;
}

void DeviceSlots::offer(int source, std::vector<std::unique_ptr<InputDevice>> detected,
                        DetectionMode mode) {
    for (auto& device : detected) {
        DeviceSlot* slot = slotFor(device->info().identity);
        if (slot == nullptr) continue;  // not mapped: never read
        const bool ours = slot->source() == source;
        const bool takes =
            mode == DetectionMode::Replace ? ours || !slot->reachable() : !slot->reachable();
        if (takes) slot->attach(std::move(device), source);
    }
}

bool DeviceSlots::missing() const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [](const auto& slot) { return !slot->reachable(); });
}

void DeviceSlots::releaseAll() {
    for (auto& slot : slots_) slot->releaseAll();
}

std::vector<DeviceEvent> DeviceSlots::takeEvents() {
    std::vector<DeviceEvent> events;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const DeviceSlot& slot = *slots_[i];
        Seen& was = seen_[i];
        auto add = [&](DeviceEvent::Kind kind) {
            events.push_back(DeviceEvent{kind, slot.info().displayName, slot.info().identity});
        };
        const bool reachable = slot.reachable();
        if (reachable && !was.reachable)
            add(was.everReachable ? DeviceEvent::Kind::Back : DeviceEvent::Kind::Found);
        if (!reachable && was.reachable) add(DeviceEvent::Kind::Lost);
        if (slot.failing() && !was.failing) add(DeviceEvent::Kind::ReadFailure);
        was.reachable = reachable;
        was.everReachable = was.everReachable || reachable;
        was.failing = slot.failing();
    }
    return events;
}

std::vector<DeviceEvent> DeviceSlots::waiting() const {
    std::vector<DeviceEvent> events;
    for (const auto& slot : slots_) {
        if (slot->reachable()) continue;
        events.push_back(DeviceEvent{DeviceEvent::Kind::Waiting, slot->info().displayName,
                                     slot->info().identity});
    }
    return events;
}

}  // namespace velloran
