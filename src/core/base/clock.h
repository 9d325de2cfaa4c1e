#pragma once
// Time for the engine: a monotonic clock (a wall clock would jump at midnight and on changes)
// and a sleep, both injectable so tests run on virtual time.

namespace velloran {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary fixed point; never goes backwards.
    virtual double now() = 0;
    virtual void sleepMs(double milliseconds) = 0;
};

}  // namespace velloran
