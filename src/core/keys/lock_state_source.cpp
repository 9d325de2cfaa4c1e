#include "keys/lock_state_source.h"

namespace velloran {

unsigned LockStateSource::leds() {
    if (source_ == LockSource::Undecided) {
        if (reader_.waitForDeviceLeds(kLedSyncWaitMs)) {
            source_ = LockSource::VirtualKeyboard;
        } else if (reader_.physicalLeds()) {
            source_ = LockSource::PhysicalKeyboards;
        } else {
            source_ = LockSource::None;
        }
    }
    if (source_ == LockSource::PhysicalKeyboards) {
        if (const std::optional<unsigned> physical = reader_.physicalLeds()) return *physical;
    }
    return reader_.deviceLeds();
}

std::optional<std::string> LockStateSource::takeNotice() {
    if (source_ != LockSource::None || noticeTaken_) return std::nullopt;
    noticeTaken_ = true;
    return kNoLockSourceText;
}

}  // namespace velloran
