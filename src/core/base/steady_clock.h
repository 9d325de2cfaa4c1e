#pragma once
// The real clock: monotonic time and a thread sleep.
#include "base/clock.h"

namespace velloran {

class SteadyClock final : public Clock {
public:
    double now() override;
    // Sleeps at least the given time; zero and negative times return at once.
    void sleepMs(double milliseconds) override;
};

}  // namespace velloran
