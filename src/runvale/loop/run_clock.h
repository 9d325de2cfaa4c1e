#pragma once
// The clock of a run: steady time, and key holds that end early when the run is stopped, so that
// a stop never waits out a long hold.
#include <functional>

#include "base/steady_clock.h"
#include "loop/run_control.h"

namespace velloran::runvale {

class RunClock final : public Clock {
public:
    // `onStop` runs once, when a sleep first sees the stop request.
    RunClock(RunControl& control, std::function<void()> onStop)
        : control_(control), onStop_(std::move(onStop)) {}

    double now() override { return steady_.now(); }
    // Sleeps until the time has passed or the run is stopped; a reload request waits its turn.
    void sleepMs(double milliseconds) override;

private:
    RunControl& control_;
    std::function<void()> onStop_;
    SteadyClock steady_;
    bool stopSeen_ = false;
};

}  // namespace velloran::runvale
