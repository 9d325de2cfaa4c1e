#pragma once
// A key output in front of another that remembers which keys it left down, so that a run can
// end with every key up even when it is stopped in the middle of a key hold.
#include <cstdint>
#include <span>
#include <vector>

#include "keys/key_output.h"

namespace velloran {

class HeldKeyGuard final : public KeyOutput {
public:
    explicit HeldKeyGuard(KeyOutput& output) : output_(output) {}

    // Passes the batch on. After stop() a batch no longer presses anything it leaves down: its
    // key-down records go only where the same batch also releases the key (a lock toggle).
    bool send(std::span<const KeyRecord> batch) override;
    int keyState(std::uint16_t virtualKey) override { return output_.keyState(virtualKey); }

    // From now on nothing new stays down; the macro being sent runs out without pressing keys.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

    // Releases every key still down, most recent first, in one batch. False when that batch
    // could not be sent.
    bool releaseHeld();
    // Scan codes sent down and not up yet, oldest first.
    const std::vector<std::uint16_t>& held() const { return held_; }

private:
    void track(std::span<const KeyRecord> batch);

    KeyOutput& output_;
    bool stopped_ = false;
    std::vector<std::uint16_t> held_;
    std::vector<KeyRecord> filtered_;
};

}  // namespace velloran
