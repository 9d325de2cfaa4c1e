#pragma once
// Virtual time: a sleep moves the clock on at once.
#include "base/clock.h"

namespace velloran::testing {

class FakeClock : public Clock {
public:
    double now() override { return now_; }
    void sleepMs(double milliseconds) override { advanceMs(milliseconds); }
    void advanceMs(double milliseconds) { now_ += milliseconds / 1000; }

private:
    double now_ = 1000;
};

}  // namespace velloran::testing
