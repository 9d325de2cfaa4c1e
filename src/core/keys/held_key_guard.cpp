#include "keys/held_key_guard.h"

#include <algorithm>

namespace velloran {
namespace {

bool releasedLater(std::span<const KeyRecord> batch, std::size_t from, std::uint16_t scanCode) {
    return std::any_of(batch.begin() + static_cast<std::ptrdiff_t>(from + 1), batch.end(),
                       [&](const KeyRecord& r) { return r.keyUp && r.scanCode == scanCode; });
}

}  // namespace

bool HeldKeyGuard::send(std::span<const KeyRecord> batch) {
    if (!stopped_) {
        const bool sent = output_.send(batch);
        if (sent) track(batch);
        return sent;
    }
    filtered_.clear();
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const KeyRecord& r = batch[i];
        if (r.keyUp || releasedLater(batch, i, r.scanCode)) filtered_.push_back(r);
    }
    if (filtered_.empty()) return true;
    const bool sent = output_.send(filtered_);
    if (sent) track(filtered_);
    return sent;
}

void HeldKeyGuard::track(std::span<const KeyRecord> batch) {
    for (const KeyRecord& r : batch) {
        if (r.keyUp) {
            std::erase(held_, r.scanCode);
        } else if (std::find(held_.begin(), held_.end(), r.scanCode) == held_.end()) {
            held_.push_back(r.scanCode);
        }
    }
}

bool HeldKeyGuard::releaseHeld() {
    if (held_.empty()) return true;
    std::vector<KeyRecord> ups;
    ups.reserve(held_.size());
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) ups.push_back(KeyRecord{*it, true});
    if (!output_.send(ups)) return false;
    held_.clear();
    return true;
}

}  // namespace velloran
