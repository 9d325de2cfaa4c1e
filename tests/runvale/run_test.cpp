// runvale playing a file as users start it, in the background: a stop in the middle of a key
// hold, reloads, a second start on the same file. The recording output (a testing aid) writes
// each batch to standard error; the simulated HID board library gives the process a board.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "common/fixtures.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "file_format/configuration_file.h"

extern char** environ;

namespace velloran::testing {
namespace {

using namespace std::chrono_literals;
using Env = std::vector<std::pair<std::string, std::string>>;

// A runvale process with no display and `env` added to its environment.
class Runvale {
public:
    Runvale(const std::vector<std::string>& args, const Env& env) {
        std::vector<std::string> argv{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY"};
        for (const auto& [name, value] : env) argv.push_back(name + "=" + value);
        argv.push_back(RUNVALE_BINARY);
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> pointers;
        for (std::string& a : argv) pointers.push_back(a.data());
        pointers.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT, 0600);
        const int spawned = posix_spawnp(&pid_, "env", &actions, nullptr, pointers.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) throw std::runtime_error("cannot start " RUNVALE_BINARY);
    }
    ~Runvale() {
        if (!ended()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    std::string err() const { return readBytes(errPath_); }
    void signal(int signalNumber) { ::kill(pid_, signalNumber); }
    // Waits up to 10 s until standard error holds `text` after position `from`.
    bool waitForErr(const std::string& text, std::size_t from = 0) {
        return waitUntil([&] { return err().find(text, from) != std::string::npos; });
    }
    // Waits up to 10 s for the end: the exit status, -1 for a death by signal.
    std::optional<int> waitExit() {
        waitUntil([this] { return ended(); });
        return status_;
    }

private:
    bool ended() {
        int status = 0;
        if (!status_ && ::waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return status_.has_value();
    }
    template <typename Done>
    static bool waitUntil(Done done) {
        for (const auto until = std::chrono::steady_clock::now() + 10s;
             std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(5ms)) {
            if (done()) return true;
        }
        return done();
    }

    TempFolder capture_;
    std::string errPath_ = capture_.path("stderr").string();
    pid_t pid_ = -1;
    std::optional<int> status_;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef HIDLINK_SIM_LIBRARY
        GTEST_SKIP() << "the simulated HID library is not built";
#else
        std::filesystem::create_directories(dir_.path("runtime"));
        writeBytes(dir_.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
        env_ = {{"VELLORAN_SETTINGS", dir_.path("velloran.ini").string()},
                {"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY},
                {"HIDLINK_SIM_FILE", dir_.path("boards.txt").string()},
                {"XDG_RUNTIME_DIR", dir_.path("runtime").string()}};
#endif
    }
    void writeFile(const std::vector<MappingRow>& rows) {
        writeBytes(file_, serializeConfiguration(rows));
    }
    void press(const std::string& events) {
        std::ofstream(dir_.path("boards.txt"), std::ios::app) << events;
    }

    TempFolder dir_;
    std::string file_ = dir_.path("my configs/Day One.vlz").string();
    Env env_;
};

TEST_F(RunTest, AStopDuringALongKeyHoldEndsTheRunAtOnceWithNoKeyDown) {
    writeBytes(dir_.path("velloran.ini"),
               "[CurrentUser]\nSoftware\\Velloran\\config\\KeyHold=5000\n");
    writeFile({row("CLI-BOARD", 1, {key("A"), key("B")})});
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        writeBytes(dir_.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
        Runvale rv({"--output=record", file_}, env_);
        ASSERT_TRUE(rv.waitForErr("Playing Day One.vlz")) << rv.err();
        if (rv.err().find("settings from the defaults") != std::string::npos) {
            GTEST_SKIP() << "this runvale is built without the settings file (no Qt)";
        }
        press("press CLI-BOARD 1\n");
        ASSERT_TRUE(rv.waitForErr("record: +1e")) << rv.err();

        const auto stopped = std::chrono::steady_clock::now();
        rv.signal(signalNumber);
        EXPECT_EQ(rv.waitExit(), 0) << rv.err();
        EXPECT_LT(std::chrono::steady_clock::now() - stopped, 2s);
        // A goes up at once; the macro's second step (B) is never pressed.
        const std::string err = rv.err();
        EXPECT_NE(err.find("record: -1e"), std::string::npos) << err;
        EXPECT_EQ(err.find("record: +30"), std::string::npos) << err;
        EXPECT_NE(err.find("held keys at exit: none"), std::string::npos) << err;
    }
}

TEST_F(RunTest, ASecondStartOrAHangUpReloadsTheFileAndAFileThatNoLongerLoadsIsNotPlayed) {
    writeFile({row("CLI-BOARD", 1, {key("A")}), row("NOT-HERE", 1, {key("C")})});
    Runvale rv({"--output=record", "--virtual-devices", "Cli Pad:6", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Waiting for device: Pad NOT-HERE [NOT-HERE]")) << rv.err();

    // Another name of the same file counts as the same file: that runvale hands over and ends.
    writeFile({row("CLI-BOARD", 1, {key("B")})});
    Runvale second({"--output=record", dir_.path("my configs/./Day One.vlz").string()}, env_);
    EXPECT_EQ(second.waitExit(), 0) << second.err();
    EXPECT_NE(second.err().find("Day One.vlz is playing already"), std::string::npos);
    EXPECT_EQ(second.err().find("record:"), std::string::npos) << second.err();  // played nothing
    ASSERT_TRUE(rv.waitForErr("Reloaded Day One.vlz")) << rv.err();
    press("press CLI-BOARD 1\nrelease CLI-BOARD 1\n");
    ASSERT_TRUE(rv.waitForErr("record: +30")) << rv.err();

    writeBytes(file_, readFixture("not_a_config.txt"));
    rv.signal(SIGHUP);
    ASSERT_TRUE(rv.waitForErr("Keeping the configuration that runs.")) << rv.err();
    const std::size_t seen = rv.err().size();
    press("press CLI-BOARD 1\n");
    EXPECT_TRUE(rv.waitForErr("record: +30", seen)) << rv.err();

    rv.signal(SIGTERM);
    EXPECT_EQ(rv.waitExit(), 0);
}

}  // namespace
}  // namespace velloran::testing
