#include "keys/recording_output.h"

#include <algorithm>

#include "keys/key_names.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

// The lock keys by virtual-key code and by the scan code that toggles them, in the same order.
constexpr std::array<std::uint16_t, 3> kLockKeys{vk::NumLock, vk::CapsLock, vk::ScrollLock};
constexpr std::array<std::uint16_t, 3> kLockScanCodes{0x45, 0x3A, 0x46};

int indexIn(const std::array<std::uint16_t, 3>& codes, std::uint16_t code) {
    const auto* it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}

}  // namespace

bool RecordingOutput::send(std::span<const KeyRecord> batch) {
    batches_.push_back(SentBatch{clock_.now(), {batch.begin(), batch.end()}});
    for (const KeyRecord& r : batch) {
        if (r.keyUp) {
            std::erase(held_, r.scanCode);
            continue;
        }
        if (isHeld(r.scanCode)) continue;
        held_.push_back(r.scanCode);
        if (const int lock = indexIn(kLockScanCodes, r.scanCode); lock >= 0) {
            locks_[static_cast<std::size_t>(lock)] = !locks_[static_cast<std::size_t>(lock)];
        }
    }
    return true;
}

int RecordingOutput::keyState(std::uint16_t virtualKey) {
    const std::uint16_t scanCode = scanCodeOf(virtualKey);
    int state = lockOn(virtualKey) ? 1 : 0;
    if (scanCode != 0 && isHeld(scanCode)) state |= 0x8000;
    return state;
}

bool RecordingOutput::lockOn(std::uint16_t virtualKey) const {
    const int lock = indexIn(kLockKeys, virtualKey);
    return lock >= 0 && locks_[static_cast<std::size_t>(lock)];
}

void RecordingOutput::setLock(std::uint16_t virtualKey, bool on) {
    const int lock = indexIn(kLockKeys, virtualKey);
    if (lock >= 0) locks_[static_cast<std::size_t>(lock)] = on;
}

bool RecordingOutput::isHeld(std::uint16_t scanCode) const {
    return std::find(held_.begin(), held_.end(), scanCode) != held_.end();
}

}  // namespace velloran
