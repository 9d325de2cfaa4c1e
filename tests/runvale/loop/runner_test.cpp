// The runner's loop object driven pass by pass with an SDL virtual game controller and the
// simulated HID board library: a pad plugged in late, unplugged and plugged back is played, and so
// is another table while a button is held; a board that comes back is looked for once a second.
// A stop request from another thread (the tray's Quit) cuts a key hold of the run short.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/clock.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "engine/dry_run.h"
#include "keys/recording_output.h"
#include "loop/run_clock.h"
#include "loop/runner.h"
#include "sdl/sdl_joystick_backend.h"
#include "sdl/virtual_joystick.h"

namespace velloran::runvale {
namespace {

using namespace testing;  // rows
using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

std::vector<VirtualJoystick> attachPad() {
    auto pads = attachVirtualJoysticks({VirtualDeviceSetup{"Velloran Runner Pad", 8}});
    EXPECT_TRUE(pads.ok()) << pads.error().description;
    return pads ? std::move(pads.value()) : std::vector<VirtualJoystick>{};
}

class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SdlJoystickBackend::create()) GTEST_SKIP() << "SDL cannot start here";
    }
    void start(const MappingTable& table) {
        runner_ = std::make_unique<Runner>(output_, clock_, openDeviceSources(log_), log_);
        runner_->play(table);
    }
    void passes(int n) {
        for (int i = 0; i < n; ++i, clock_.advanceMs(10)) runner_->pass();
    }
    // The batches sent since the previous call, without their times: "+1e", "-1e".
    Lines sent() {
        Lines out;
        for (const SentBatch& b : output_.batches()) {
            out.push_back(batchLine(b).substr(batchLine(b).find(' ') + 1));
        }
        output_.clearBatches();
        return out;
    }
    // Whether the log holds `text`; it starts afresh.
    bool logged(const std::string& text) {
        const bool found = log_.str().find(text) != std::string::npos;
        log_.str("");
        return found;
    }

    // The simulated boards are the lines of this file; no real board of this machine takes part.
    void boards(const std::string& lines) { std::ofstream(dir_.path("boards")) << lines; }
    TempFolder dir_;
#ifdef HIDLINK_SIM_LIBRARY
    ScopedEnv hidLibrary_{"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY};
#endif
    ScopedEnv hidBoards_{"HIDLINK_SIM_FILE", dir_.path("boards").string()};
    testing::FakeClock clock_;
    RecordingOutput output_{clock_};
    std::ostringstream log_;
    std::unique_ptr<Runner> runner_;
};

TEST_F(RunnerTest, APadPluggedInLateOrPluggedBackIsPlayedWithNothingLeftDown) {
    std::string identity;  // what SDL calls the test pad, from a detection of its own
    {
        const auto probePads = attachPad();
        auto probe = SdlJoystickBackend::create();
        for (const auto& d : probe.value()->detect()) {
            if (d->info().displayName == "Velloran Runner Pad") identity = d->info().identity;
        }
    }
    ASSERT_FALSE(identity.empty());
    start(testing::table({row(identity, 2, {key("A")}, {key("B")})}));
    EXPECT_TRUE(logged("Waiting for device: Pad " + identity));
    passes(2);
    auto pads = attachPad();
    ASSERT_EQ(pads.size(), 1u);
    passes(2);
    EXPECT_TRUE(logged("Device found: Pad " + identity));
    pads[0].setButton(2, true);
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));

    pads.clear();  // unplugged while held: its release macro runs
    passes(2);
    EXPECT_EQ(sent(), (Lines{"+30", "-30"}));
    EXPECT_TRUE(output_.heldKeys().empty());
    EXPECT_TRUE(logged("Device lost: Pad " + identity));

    pads = attachPad();
    ASSERT_EQ(pads.size(), 1u);
    passes(2);
    EXPECT_TRUE(logged("Device back: Pad " + identity));
    pads[0].pressAndRelease(2);
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e", "+30", "-30"}));

    // Another table: what is held is released under the old one and pressed under the new.
    pads[0].setButton(2, true);
    passes(1);
    sent();
    runner_->play(testing::table({row(identity, 2, {key("C")})}));
    EXPECT_EQ(sent(), (Lines{"+30", "-30"}));
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+2e", "-2e"}));
}

TEST_F(RunnerTest, AHidBoardThatComesBackIsLookedForOnceASecond) {
#ifndef HIDLINK_SIM_LIBRARY
    GTEST_SKIP() << "the simulated HID library is not built";
#endif
    const std::string board = "board RUNNER-BOARD 8 Runner Board\n";
    boards(board);
    start(testing::table({row("RUNNER-BOARD", 2, {key("A")})}));
    boards("");  // the board's line leaves the file: the board is gone
    passes(1);
    EXPECT_TRUE(logged("Device lost: Pad RUNNER-BOARD"));
    boards(board);
    clock_.advanceMs(500);
    passes(1);
    EXPECT_FALSE(logged("Device back"));  // less than a second since the last detection
    clock_.advanceMs(500);
    passes(1);
    EXPECT_TRUE(logged("Device back: Pad RUNNER-BOARD"));
    boards(board + "press RUNNER-BOARD 2\n");
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));
}

TEST(RunControl, AStopRequestFromAnotherThreadCutsAKeyHoldShort) {
    auto control = RunControl::create();
    ASSERT_TRUE(control.ok()) << control.error().description;
    int stops = 0;
    RunClock clock(*control.value(), [&stops] { ++stops; });
    const auto start = std::chrono::steady_clock::now();
    clock.sleepMs(20);  // no request: the whole time
    const auto slept = std::chrono::steady_clock::now() - start;
    std::thread quit([&] {
        std::this_thread::sleep_for(50ms);  // in the middle of the next sleep
        control.value()->requestStop();
    });
    clock.sleepMs(5000);
    quit.join();
    EXPECT_TRUE(slept >= 20ms && std::chrono::steady_clock::now() - start < 1s && stops == 1);
}

}  // namespace
}  // namespace velloran::runvale
