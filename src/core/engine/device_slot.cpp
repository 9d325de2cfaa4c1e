#include "engine/device_slot.h"

#include <utility>

namespace velloran {

DeviceSlot::DeviceSlot(DetectedDevice info)
    : info_(std::move(info)), reported_(static_cast<std::size_t>(info_.buttonCount) + 1) {
    scratch_.reserve(64);
}

bool DeviceSlot::pressed(int button) const {
    return button >= 1 && button <= info_.buttonCount &&
           reported_[static_cast<std::size_t>(button)];
}

void DeviceSlot::attach(std::unique_ptr<InputDevice> device, int source) {
    device_ = std::move(device);
    source_ = source;
    reachable_ = device_ != nullptr;
    failing_ = false;
    resync_ = true;
}

std::unique_ptr<InputDevice> DeviceSlot::detach() {
    reachable_ = false;
    failing_ = false;
    resync_ = true;
    return std::move(device_);
}

void DeviceSlot::report(int button, bool down, std::vector<ButtonChange>& changes) {
    if (button < 1 || button > info_.buttonCount) return;
    const auto b = static_cast<std::size_t>(button);
    if (reported_[b] == down) return;
    reported_[b] = down;
    changes.push_back(ButtonChange{button, down});
}

ReadStatus DeviceSlot::readDevice() {
    scratch_.clear();
    ReadStatus status = device_->read(scratch_);
    if (status == ReadStatus::NotAcquired) {
        // A device that went away may be back under a new handle; it looks itself up again.
        device_->acquire();
        status = device_->read(scratch_);
    }
    return status;
}

ReadStatus DeviceSlot::read(std::vector<ButtonChange>& changes) {
    const std::size_t before = changes.size();
    if (draining_) {
        draining_ = false;
        resync_ = true;
        for (int b = 1; b <= info_.buttonCount; ++b) report(b, false, changes);
        return changes.size() > before ? ReadStatus::NewData : ReadStatus::NoChange;
    }
    if (device_) {
        switch (readDevice()) {
            case ReadStatus::NewData:
            case ReadStatus::NoChange:
                reachable_ = true;
                failing_ = false;
                for (const ButtonChange& c : scratch_) report(c.button, c.down, changes);
                break;
            case ReadStatus::NotAcquired:
                reachable_ = false;
                break;
            case ReadStatus::ReadFailure:
                failing_ = true;
                break;
            case ReadStatus::Gone:
                device_.reset();
                reachable_ = false;
                failing_ = false;
                resync_ = true;
                break;
        }
    }
    if (resync_) {
        resync_ = false;
        for (int b = 1; b <= info_.buttonCount; ++b) {
            report(b, reachable() && device_->pressed(b), changes);
        }
    }
    return changes.size() > before ? ReadStatus::NewData : ReadStatus::NoChange;
}

}  // namespace velloran
