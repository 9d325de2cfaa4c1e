#include "base/steady_clock.h"

#include <gtest/gtest.h>

namespace velloran {
namespace {

TEST(SteadyClock, SleepLastsAtLeastTheAskedTimeOnTheClocksOwnScale) {
    SteadyClock clock;
    const double before = clock.now();
    clock.sleepMs(15.5);
    const double sleptMs = (clock.now() - before) * 1000.0;
    EXPECT_GE(sleptMs, 15.5);
    EXPECT_LT(sleptMs, 1000.0) << "now() counts seconds";
}

}  // namespace
}  // namespace velloran
