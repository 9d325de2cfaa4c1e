// A stop request from another thread (the tray's Quit) ends a run between passes at once, and
// the key holds after it: nothing more is pressed.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "loop/run_clock.h"
#include "loop/runner.h"

namespace velloran::runvale {
namespace {

using namespace std::chrono_literals;

TEST(RunControl, AStopRequestEndsTheRunAndTheHoldsAfterIt) {
    auto control = RunControl::create();
    ASSERT_TRUE(control.ok()) << control.error().description;
    int stops = 0;
    RunClock clock(*control.value(), [&stops] { ++stops; });
    class NoOutput : public KeyOutput {
        bool send(std::span<const KeyRecord>) override { return true; }
        int keyState(std::uint16_t) override { return 0; }
    } output;
    std::ostringstream log;
    Runner runner(output, clock, {}, log);
    runner.play(MappingTable{});

    const auto start = std::chrono::steady_clock::now();
    clock.sleepMs(20);  // no request: the whole time
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    std::thread quit([&] {
        std::this_thread::sleep_for(100ms);
        control.value()->requestStop();
    });
    runner.run(*control.value(), 10, [] {});
    quit.join();
    EXPECT_EQ(stops, 0);
    clock.sleepMs(5000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(stops, 1);
}

}  // namespace
}  // namespace velloran::runvale
