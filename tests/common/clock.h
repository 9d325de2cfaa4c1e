#pragma once
// Virtual time: sleeps are recorded and move the clock on at once.
#include <vector>

#include "base/clock.h"

namespace velloran::testing {

class FakeClock : public Clock {
public:
    double now() override { return now_; }
    void sleepMs(double milliseconds) override {
        sleeps.push_back(milliseconds);
        now_ += milliseconds / 1000;
    }
    void advanceMs(double milliseconds) { now_ += milliseconds / 1000; }

    std::vector<double> sleeps;

private:
    double now_ = 1000;
};

}  // namespace velloran::testing
