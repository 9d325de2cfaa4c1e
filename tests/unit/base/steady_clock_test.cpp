#include "base/steady_clock.h"

#include <gtest/gtest.h>

namespace velloran {
namespace {

TEST(SteadyClock, SleepLastsAtLeastTheAskedTimeOnTheClocksOwnScale) {
    SteadyClock clock;
    for (double ms : {1.0, 2.5, 15.0}) {
        double before = clock.now();
        clock.sleepMs(ms);
        double slept = (clock.now() - before) * 1000.0;
        EXPECT_GE(slept, ms);
        EXPECT_LT(slept, ms + 50.0) << "sleep of " << ms << " ms overslept";
    }
}

}  // namespace
}  // namespace velloran
