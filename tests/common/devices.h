#pragma once
// Devices whose reads are scripted, and a back end that logs its passes. Without a script a read
// reports no change.
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "devices/input_device.h"

namespace velloran::testing {

class ScriptedDevice : public InputDevice {
public:
    // `log`, when given, gets "read <identity>" for every read.
    ScriptedDevice(std::string identity, int buttons, std::vector<std::string>* log = nullptr)
        : info_{DeviceKind::Joystick, buttons, identity, "Pad " + identity},
          log_(log),
          state_(static_cast<std::size_t>(buttons) + 1) {}

    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>& changes) override {
        ++reads;
        if (log_ != nullptr) log_->push_back("read " + info_.identity);
        if (script_.empty()) return ReadStatus::NoChange;
        auto [status, next] = std::move(script_.front());
        script_.pop_front();
        for (const ButtonChange& c : next) state_.at(static_cast<std::size_t>(c.button)) = c.down;
        changes.insert(changes.end(), next.begin(), next.end());
        return status;
    }
    bool pressed(int button) const override {
        return button >= 1 && button <= info_.buttonCount &&
               state_[static_cast<std::size_t>(button)];
    }
    void acquire() override { ++acquires; }

    // The next read reports these changes (and a state that includes them).
    void next(std::vector<ButtonChange> changes, ReadStatus status = ReadStatus::NewData) {
        script_.emplace_back(status, std::move(changes));
    }
    void nextStatus(ReadStatus status) { next({}, status); }

    int reads = 0;
    int acquires = 0;

private:
    DetectedDevice info_;
    std::vector<std::string>* log_;
    std::vector<bool> state_;
    std::deque<std::pair<ReadStatus, std::vector<ButtonChange>>> script_;
};

inline ButtonChange down(int button) {
    return {button, true};
}
inline ButtonChange up(int button) {
    return {button, false};
}

// Detects nothing; logs "begin" for every pass.
class LoggingBackend : public DeviceBackend {
public:
    explicit LoggingBackend(std::vector<std::string>* log) : log_(log) {}
    std::vector<std::unique_ptr<InputDevice>> detect() override { return {}; }
    void beginPass() override { log_->push_back("begin"); }

private:
    std::vector<std::string>* log_;
};

}  // namespace velloran::testing
