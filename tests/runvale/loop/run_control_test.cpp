// A stop request from another thread (the tray's Quit) cuts a key hold of the run short.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "loop/run_clock.h"

namespace velloran::runvale {
namespace {

using namespace std::chrono_literals;

TEST(RunControl, AStopRequestFromAnotherThreadCutsAKeyHoldShort) {
    auto control = RunControl::create();
    ASSERT_TRUE(control.ok()) << control.error().description;
    int stops = 0;
    RunClock clock(*control.value(), [&stops] { ++stops; });
    const auto start = std::chrono::steady_clock::now();
    clock.sleepMs(20);  // no request: the whole time
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    EXPECT_EQ(stops, 0);

    std::thread quit([&] {
        std::this_thread::sleep_for(50ms);
        control.value()->requestStop();
    });
    clock.sleepMs(5000);
    quit.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(stops, 1);
}

}  // namespace
}  // namespace velloran::runvale
