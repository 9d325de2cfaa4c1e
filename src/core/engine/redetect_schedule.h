#pragma once
// When a run looks for devices of one back end again: only while a device the configuration maps
// is missing, then at once when the back end reports that devices came or went, or, for a back
// end that reports nothing, at most once a second.
#include <cstdint>

namespace velloran {

class RedetectSchedule {
public:
    static constexpr double kInterval = 1.0;  // seconds between detections without reports

    // `reportsChanges`: the back end counts devices plugged in or out.
    explicit RedetectSchedule(bool reportsChanges) : reportsChanges_(reportsChanges) {}

    // Whether to detect now (`now` in seconds, `changes` the back end's count).
    bool due(double now, bool missing, std::uint64_t changes) const {
        if (!missing) return false;
        return reportsChanges_ ? changes != changesSeen_ : now - lastDetection_ >= kInterval;
    }
    void detected(double now, std::uint64_t changes) {
        lastDetection_ = now;
        changesSeen_ = changes;
    }

private:
    bool reportsChanges_;
    double lastDetection_ = 0;
    std::uint64_t changesSeen_ = 0;
};

}  // namespace velloran
