#pragma once
// Keystroke output: batches of scan-code records, each batch one indivisible send, and the state
// of the lock keys as the output side sees them.
#include <cstdint>
#include <span>

namespace velloran {

struct KeyRecord {
    std::uint16_t scanCode = 0;  // US set-1 scan code
    bool keyUp = false;

    bool operator==(const KeyRecord&) const = default;
};

class KeyOutput {
public:
    virtual ~KeyOutput() = default;
    // Sends the records as one batch. False when the batch could not be sent.
    virtual bool send(std::span<const KeyRecord> batch) = 0;
    // The key's state as the system's key-state query reports it: bit 0 set when a lock key is
    // on (toggled); 0x8000 or'ed in while the key is held down, where the back end knows it.
    virtual int keyState(std::uint16_t virtualKey) = 0;
};

}  // namespace velloran
