#pragma once
// The keyboard's lock keys while recording: set from the selected row, so that keys are recorded
// under the states the row will run with. The key output opens at the first lock change of a
// recording and closes when recording stops; without one the lock keys stay as they are.
#include <cstdint>

#include "live_test/key_output_factory.h"

namespace velloran {

class RecordingLockKeys {
public:
    explicit RecordingLockKeys(KeyOutputFactory open) : open_(std::move(open)) {}

    void set(std::uint16_t virtualKey, bool on);
    // Closes the output; the next change opens one again.
    void close();

private:
    KeyOutputFactory open_;
    OpenedKeyOutput opened_;
    bool tried_ = false;  // one attempt per recording: a missing output stays missing
};

}  // namespace velloran
