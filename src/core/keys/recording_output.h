#pragma once
// A key output that types nothing: it keeps every batch with the time it was sent and plays the
// keyboard's part for the lock keys, for tests and dry runs.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/clock.h"
#include "keys/key_output.h"

namespace velloran {

struct SentBatch {
    double time = 0;  // Clock::now() when sent
    std::vector<KeyRecord> records;

    bool operator==(const SentBatch&) const = default;
};

class RecordingOutput : public KeyOutput {
public:
    explicit RecordingOutput(Clock& clock) : clock_(clock) {}

    // Keeps the batch and updates the held keys; Num Lock, Caps Lock and Scroll Lock change state
    // when they go down.
    bool send(std::span<const KeyRecord> batch) override;
    // 1 for a lock key that is on, or'ed with 0x8000 while the key is held down.
    int keyState(std::uint16_t virtualKey) override;

    const std::vector<SentBatch>& batches() const { return batches_; }
    void clearBatches() { batches_.clear(); }

    // Scan codes that went down and have not come up yet, oldest first.
    const std::vector<std::uint16_t>& heldKeys() const { return held_; }

    // The state of vk::NumLock, vk::CapsLock or vk::ScrollLock, e.g. to start from a given state.
    bool lockOn(std::uint16_t virtualKey) const;
    void setLock(std::uint16_t virtualKey, bool on);

private:
    bool isHeld(std::uint16_t scanCode) const;

    Clock& clock_;
    std::vector<SentBatch> batches_;
    std::vector<std::uint16_t> held_;
    std::array<bool, 3> locks_{};  // Num Lock, Caps Lock, Scroll Lock
};

}  // namespace velloran
