// Stop requests reach a run at once: between passes and in the middle of a key hold.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "loop/run_clock.h"
#include "loop/runner.h"

namespace velloran::runvale {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

TEST(RunControl, AStopCutsAKeyHoldShortAndIsToldOnce) {
    auto control = RunControl::create();
    ASSERT_TRUE(control.ok()) << control.error().description;
    int stops = 0;
    RunClock clock(*control.value(), [&stops] { ++stops; });

    clock.sleepMs(20);  // no request: the whole time
    EXPECT_EQ(stops, 0);

    std::thread quit([&] {
        std::this_thread::sleep_for(milliseconds(50));
        control.value()->requestStop();
    });
    const auto start = steady_clock::now();
    clock.sleepMs(5000);
    quit.join();
    EXPECT_LT(steady_clock::now() - start, milliseconds(1000));
    EXPECT_TRUE(control.value()->stopRequested());
    clock.sleepMs(5000);  // stopped: no more holds
    EXPECT_LT(steady_clock::now() - start, milliseconds(1000));
    EXPECT_EQ(stops, 1);
}

TEST(RunControl, ARunEndsSoonAfterAStopRequestFromAnotherThread) {
    auto control = RunControl::create();
    ASSERT_TRUE(control.ok());
    RunClock clock(*control.value(), {});
    class NoOutput : public KeyOutput {
        bool send(std::span<const KeyRecord>) override { return true; }
        int keyState(std::uint16_t) override { return 0; }
    } output;
    std::ostringstream log;
    Runner runner(output, clock, {}, log);
    runner.play(MappingTable{});

    std::thread quit([&] {
        std::this_thread::sleep_for(milliseconds(100));
        control.value()->requestStop();
    });
    const auto start = steady_clock::now();
    runner.run(*control.value(), 10, [] {});
    quit.join();
    EXPECT_LT(steady_clock::now() - start, milliseconds(1000));
}

}  // namespace
}  // namespace velloran::runvale
