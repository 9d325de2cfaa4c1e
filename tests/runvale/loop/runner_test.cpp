// The runner's loop object driven pass by pass, with SDL virtual game controllers and the
// simulated HID board library: devices unplugged and plugged back are played again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/clock.h"
#include "common/rows.h"
#include "keys/recording_output.h"
#include "loop/runner.h"
#include "sdl/sdl_joystick_backend.h"
#include "sdl/virtual_joystick.h"

namespace velloran::runvale {
namespace {

using testing::key;
using testing::row;

std::vector<VirtualJoystick> attachPad() {
    auto pads = attachVirtualJoysticks({VirtualDeviceSetup{"Velloran Runner Pad", 8}});
    EXPECT_TRUE(pads.ok()) << pads.error().description;
    return pads ? std::move(pads.value()) : std::vector<VirtualJoystick>{};
}

// The identity SDL gives the test pad, from a detection of its own.
std::string padIdentity() {
    auto probe = SdlJoystickBackend::create();
    if (!probe) return {};
    for (const auto& d : probe.value()->detect()) {
        if (d->info().displayName == "Velloran Runner Pad") return d->info().identity;
    }
    return {};
}

class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SdlJoystickBackend::create()) GTEST_SKIP() << "SDL cannot start here";
        simFile_ = std::filesystem::temp_directory_path() /
                   ("runvale_loop_" + std::to_string(::getpid()) + ".txt");
        writeSim("");
#ifdef HIDLINK_SIM_LIBRARY
        ::setenv("VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY, 1);
#endif
        ::setenv("HIDLINK_SIM_FILE", simFile_.c_str(), 1);
    }
    void TearDown() override {
        std::filesystem::remove(simFile_);
    }

    void writeSim(const std::string& text) {
        std::ofstream(simFile_, std::ios::trunc) << text;
    }
    void appendSim(const std::string& text) {
        std::ofstream(simFile_, std::ios::app) << text;
    }

    void start(const MappingTable& table) {
        runner_ = std::make_unique<Runner>(output_, clock_, openDeviceSources(log_), log_);
        runner_->play(table);
    }
    void passes(int n) {
        for (int i = 0; i < n; ++i) {
            runner_->pass();
            clock_.advanceMs(10);
        }
    }
    // The batches sent since the previous call, as "+1e -1e" groups.
    std::vector<std::string> sent() {
        std::vector<std::string> out;
        for (const SentBatch& b : output_.batches()) {
            std::string group;
            for (const KeyRecord& r : b.records) {
                group += std::string(group.empty() ? "" : " ") + (r.keyUp ? "-" : "+") +
                         (r.scanCode == 0x1E   ? "1e"
                          : r.scanCode == 0x30 ? "30"
                                               : "??");
            }
            out.push_back(group);
        }
        output_.clearBatches();
        return out;
    }
    std::string takeLog() {
        std::string text = log_.str();
        log_.str("");
        return text;
    }

    using Lines = std::vector<std::string>;
    testing::FakeClock clock_;
    RecordingOutput output_{clock_};
    std::ostringstream log_;
    std::unique_ptr<Runner> runner_;
    std::filesystem::path simFile_;
};

TEST_F(RunnerTest, ARepluggedPadIsPlayedAgainWithNothingLeftDown) {
    auto pads = attachPad();
    ASSERT_EQ(pads.size(), 1u);
    const std::string identity = padIdentity();
    ASSERT_FALSE(identity.empty());
    start(testing::table({row(identity, 1, {key("A")}, {key("B")})}));
    passes(1);

    pads[0].setButton(1, true);
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));

    pads.clear();  // unplugged while held: its release macro runs
    passes(2);
    EXPECT_EQ(sent(), (Lines{"+30", "-30"}));
    EXPECT_TRUE(output_.heldKeys().empty());
    EXPECT_NE(takeLog().find("Device lost: Pad " + identity), std::string::npos);

    pads = attachPad();
    ASSERT_EQ(pads.size(), 1u);
    passes(2);
    EXPECT_NE(takeLog().find("Device back: Pad " + identity), std::string::npos);
    pads[0].pressAndRelease(1);
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e", "+30", "-30"}));
}

TEST_F(RunnerTest, APadPluggedInAfterTheStartIsPickedUp) {
    std::string identity;
    {
        auto probePads = attachPad();
        identity = padIdentity();
    }
    ASSERT_FALSE(identity.empty());
    start(testing::table({row(identity, 2, {key("A")})}));
    EXPECT_NE(takeLog().find("Waiting for device: Pad " + identity), std::string::npos);
    passes(2);

    auto pads = attachPad();
    ASSERT_EQ(pads.size(), 1u);
    passes(2);
    EXPECT_NE(takeLog().find("Device found: Pad " + identity), std::string::npos);
    pads[0].pressAndRelease(2);
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));
}

TEST_F(RunnerTest, AHidBoardThatComesBackIsLookedForOnceASecond) {
    writeSim("board RUNNER-BOARD 8 Runner Board\n");
    start(testing::table({row("RUNNER-BOARD", 2, {key("A")})}));
    passes(1);
    appendSim("press RUNNER-BOARD 2\nrelease RUNNER-BOARD 2\n");
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));

    writeSim("");  // the board's line leaves the file: the board is gone
    passes(1);
    EXPECT_NE(takeLog().find("Device lost: Pad RUNNER-BOARD"), std::string::npos);

    writeSim("board RUNNER-BOARD 8 Runner Board\n");
    clock_.advanceMs(500);
    passes(1);
    EXPECT_EQ(takeLog(), "");  // less than a second since the last detection
    clock_.advanceMs(500);
    passes(1);
    EXPECT_NE(takeLog().find("Device back: Pad RUNNER-BOARD"), std::string::npos);
    appendSim("press RUNNER-BOARD 2\n");
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));
}

TEST_F(RunnerTest, PlayingAnotherTableReleasesUnderTheOldOneAndPressesUnderTheNew) {
    writeSim("board RUNNER-BOARD 8 Runner Board\n");
    start(testing::table({row("RUNNER-BOARD", 1, {key("A")}, {key("B")})}));
    passes(1);
    appendSim("press RUNNER-BOARD 1\n");
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+1e", "-1e"}));

    // Still held: released under the old table, pressed under the new one.
    runner_->play(testing::table({row("RUNNER-BOARD", 1, {key("B")})}));
    EXPECT_EQ(sent(), (Lines{"+30", "-30"}));
    passes(1);
    EXPECT_EQ(sent(), (Lines{"+30", "-30"}));
}

}  // namespace
}  // namespace velloran::runvale
