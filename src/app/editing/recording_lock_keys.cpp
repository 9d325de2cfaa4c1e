#include "editing/recording_lock_keys.h"

#include "keys/send_key.h"

namespace velloran {

void RecordingLockKeys::set(std::uint16_t virtualKey, bool on) {
    if (!tried_) {
        opened_ = open_();
        tried_ = true;
    }
    if (opened_.output) SetKeyState(*opened_.output, virtualKey, on ? 1 : 0);
}

void RecordingLockKeys::close() {
    opened_ = {};
    tried_ = false;
}

}  // namespace velloran
