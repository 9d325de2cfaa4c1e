// runvale playing a file as users start it, with the recording output (a testing aid) and the
// simulated HID board library, so that a separate process can be pressed on.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <fstream>

#include "common/rows.h"
#include "file_format/configuration_file.h"
#include "runvale_process.h"

namespace runvale_test {
namespace {

using velloran::testing::key;
using velloran::testing::row;

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef HIDLINK_SIM_LIBRARY
        GTEST_SKIP() << "the simulated HID library is not built";
#else
        std::filesystem::create_directories(dir_.path("my configs"));
        file_ = dir_.path("my configs/Day One.vlz").string();
        writeBytes(dir_.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
        env_ = {{"VELLORAN_SETTINGS", dir_.path("velloran.ini").string()},
                {"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY},
                {"HIDLINK_SIM_FILE", dir_.path("boards.txt").string()},
                {"SDL_VIDEODRIVER", "dummy"}};
#endif
    }

    void writeFile(std::vector<velloran::MappingRow> rows) {
        writeBytes(file_, velloran::serializeConfiguration(rows));
    }
    void press(const std::string& events) {
        std::ofstream(dir_.path("boards.txt"), std::ios::app) << events;
    }
    void settings(const std::string& line) {
        writeBytes(dir_.path("velloran.ini"), "[CurrentUser]\n" + line + "\n");
    }

    TempFolder dir_;
    std::string file_;
    Env env_;
};

TEST_F(RunTest, AStopDuringALongKeyHoldLeavesNoKeyDown) {
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        settings("Software\\Velloran\\config\\KeyHold=5000");
        writeBytes(dir_.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
        writeFile({row("CLI-BOARD", 1, {key("A"), key("B")})});
        Runvale rv({"--output=record", file_}, env_);
        ASSERT_TRUE(rv.waitForErr("Playing Day One.vlz")) << rv.err();
        if (rv.err().find("settings from the defaults") != std::string::npos) {
            GTEST_SKIP() << "this runvale is built without the settings file (no Qt)";
        }
        press("press CLI-BOARD 1\n");
        ASSERT_TRUE(rv.waitForErr("record: +1e")) << rv.err();

        const auto stopped = std::chrono::steady_clock::now();
        rv.signal(signalNumber);
        EXPECT_EQ(rv.waitExit(std::chrono::seconds(3)), 0) << rv.err();
        EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(2));
        const std::string err = rv.err();
        // A goes up at once; the macro's second step (B) is never pressed.
        EXPECT_NE(err.find("record: -1e"), std::string::npos) << err;
        EXPECT_EQ(err.find("record: +30"), std::string::npos) << err;
        EXPECT_NE(err.find("held keys at exit: none"), std::string::npos) << err;
        EXPECT_EQ(rv.out(), "");
    }
}

TEST_F(RunTest, HangUpReloadsTheFileAndKeepsTheRunningOneWhenItNoLongerLoads) {
    writeFile({row("CLI-BOARD", 1, {key("A")})});
    Runvale rv({"--output=record", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Playing Day One.vlz")) << rv.err();

    writeFile({row("CLI-BOARD", 1, {key("B")})});
    rv.signal(SIGHUP);
    ASSERT_TRUE(rv.waitForErr("Reloaded Day One.vlz")) << rv.err();
    press("press CLI-BOARD 1\nrelease CLI-BOARD 1\n");
    ASSERT_TRUE(rv.waitForErr("record: +30")) << rv.err();

    writeBytes(file_, readBytes(fixture("not_a_config.txt")));
    std::size_t seen = rv.err().size();
    rv.signal(SIGHUP);
    ASSERT_TRUE(rv.waitForErr("Keeping the configuration that runs.", seen)) << rv.err();
    seen = rv.err().size();
    press("press CLI-BOARD 1\n");
    EXPECT_TRUE(rv.waitForErr("record: +30", seen)) << rv.err();

    rv.signal(SIGTERM);
    EXPECT_EQ(rv.waitExit(), 0);
}

TEST_F(RunTest, VirtualPadsRunHeadlessAndMissingDevicesAreAwaited) {
    writeFile({row("NOT-HERE", 1, {key("A")})});
    Runvale rv({"--output=record", "--virtual-devices", "Cli Pad:6", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Waiting for device: Pad NOT-HERE [NOT-HERE]")) << rv.err();
    rv.signal(SIGTERM);
    EXPECT_EQ(rv.waitExit(), 0) << rv.err();
    EXPECT_NE(rv.err().find("held keys at exit: none"), std::string::npos);
}

}  // namespace
}  // namespace runvale_test
