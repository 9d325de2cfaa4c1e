#pragma once
// A device whose reads are scripted, for the slot tests.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "devices/input_device.h"

namespace velloran::testing {

class ScriptedDevice : public InputDevice {
public:
    ScriptedDevice(std::string identity, int buttons)
        : info_{DeviceKind::Joystick, buttons, identity, "Pad " + identity},
          state_(static_cast<std::size_t>(buttons) + 1) {}

    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>& changes) override {
        if (script_.empty()) return ReadStatus::NoChange;
        auto [status, next] = std::move(script_.front());
        script_.pop_front();
        for (const ButtonChange& c : next) {
            state_.at(static_cast<std::size_t>(c.button)) = c.down;
            changes.push_back(c);
        }
        return status;
    }
    bool pressed(int button) const override {
        return button >= 1 && button <= info_.buttonCount &&
               state_[static_cast<std::size_t>(button)];
    }
    void acquire() override { ++acquires; }

    void next(std::vector<ButtonChange> changes, ReadStatus status = ReadStatus::NewData) {
        script_.emplace_back(status, std::move(changes));
    }
    void nextStatus(ReadStatus status) { next({}, status); }

    int acquires = 0;

private:
    DetectedDevice info_;
    std::vector<bool> state_;
    std::deque<std::pair<ReadStatus, std::vector<ButtonChange>>> script_;
};

inline ButtonChange down(int button) {
    return {button, true};
}
inline ButtonChange up(int button) {
    return {button, false};
}

}  // namespace velloran::testing
