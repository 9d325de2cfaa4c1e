// The runvale binary as users and scripts run it: each command to its end (exit statuses, what
// goes to standard output and standard error), and runs in the background stopped, reloaded and
// started twice. The recording output (a testing aid) writes each batch to standard error; the
// simulated HID board library gives a background run a board to press.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <thread>

#include "common/fixtures.h"
#include "common/process.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "file_format/configuration_file.h"

extern char** environ;

namespace velloran::testing {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using Args = std::vector<std::string>;

ProgramRun runvale(const Args& args) {
    return runProgram(RUNVALE_BINARY, args);
}
std::string fixture(const std::string& name) {
    return fixturePath(name).string();
}

TEST(Cli, EachCommandsExitStatusAndOutput) {
    const TempFolder dir;
    const std::string in = fixture("v1_4.vlz");
    const std::string kept = dir.path("kept.vlz").string();
    writeBytes(kept, "keep me");
    const std::string out = dir.path("out.vlz").string();
    const std::string config = dir.path("my configs/Day One.vlz").string();
    writeBytes(config, serializeConfiguration({row("PAD", 1, {{"SHIFT + A", "A"}})}));
    const std::string events = dir.path("events.txt").string();
    writeBytes(events, "device 2 PAD Test Pad\ndevice 2 STICK\n0 down 1 1\n20 up 1 1\n30 end\n");
    const std::string badEvents = dir.path("bad.txt").string();
    writeBytes(badEvents, "device 2 PAD\n0 press 1 1\n10 end\n");
    std::filesystem::create_directory(dir.path("folder.vlz"));
    struct Case {
        Args args;
        int exit;
        std::string out, err;  // "": nothing printed; else what the output holds
    };
    const Case cases[] = {
        {{"--help"}, 0, "--dump", ""},
        // Command lines refused before any file is touched.
        {{"--dump", in, "--upgrade", in, kept}, 2, "", "Requires at most 1"},  // one command a run
        {{"--upgrade", in}, 2, "", "--upgrade"},                              // needs IN and OUT
        {{"--poll-ms", "0", in}, 2, "", "--poll-ms"},
        {{"--dry-run", in}, 2, "", "--dry-run"},  // no FILE
        {{"--hold-ms", "5", in}, 2, "", "--hold-ms: goes with --dry-run or --replay"},
        {{fixture("not_a_config.txt")}, 2, "", "File IO Error: "},
        {{"--dry-run", events, config, "--hold-ms", "5", "--names"}, 0,
         "0 +SHIFT +A\n5 -A -SHIFT\n", "Warning: device 2 [STICK]"},
        {{"--dry-run", badEvents, config}, 2, "", "bad.txt: line 2: unknown item \"press\"\n"},
        {{"--dry-run", events, fixture("not_a_config.txt")}, 2, "", "File IO Error: "},
        {{"--upgrade", fixture("v1_1.vlz"), out}, 0, "", ""},
        {{"--upgrade", fixture("truncated.vlz"), kept}, 2, "",
         "File IO Error: This file is either corrupt or not in Velloran format and will be "
         "removed from the list.  Delete the file?\n"},
        {{"--upgrade", dir.path("missing.vlz").string(), kept}, 3, "",
         "File IO Error: File not found\n"},
        {{"--upgrade", in, dir.path("folder.vlz").string()}, 2, "", "File IO Error: "},
        {{"--dump", fixture("truncated.vlz")}, 2, "\"number\":62", ""},
        {{"--dump", dir.path("missing.vlz").string()}, 3, "\"number\":53", ""},
        {{"--dump", in + "/x.vlz"}, 3, "\"number\":76", ""},
        {{"--list-devices", "--virtual-devices", "Cli List Pad:6"}, 0, "\tCli List Pad\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ProgramRun run = runvale(c.args);
        EXPECT_EQ(run.exitCode, c.exit);
        for (const auto& [printed, want] : {std::pair{run.out, c.out}, {run.err, c.err}}) {
            EXPECT_TRUE(want.empty() ? printed.empty() : printed.find(want) != std::string::npos)
                << printed;
        }
    }
    EXPECT_EQ(readBytes(kept), "keep me");
    EXPECT_EQ(readBytes(out).substr(0, 7), "\"1.4\"\r\n");
}

json dumpOf(const std::string& file) {
    return json::parse(runvale({"--dump", file}).out);  // throws, failing the test, on bad JSON
}

TEST(Cli, DumpPrintsTheLoadAsJson) {
    json current = dumpOf(fixture("v1_4.vlz"));
    ASSERT_EQ(current["rows"].size(), 6u);
    // Tags of each kind, and a step as its text and key name; --dump detects no device.
    const json& r = current["rows"][1];
    EXPECT_EQ(json::array({r["button"], r["device_id"], r["repeat"], r["multiplier"], r["active"],
                           r["press"][0], r["release"].size()}),
              json::parse(R"(["2", "{4A1B2C30-7D8E-11EF-8001-444553540000}", true, "1", false,
                              ["SHIFT + A", "A"], 16])"));
    current.erase("rows");
    EXPECT_EQ(current, json::parse(R"({"version": "1.4", "obsolete": false, "state": 0,
                                       "messages": []})"));

    const json old = dumpOf(fixture("v1_2.vlz"));
    EXPECT_EQ(old["messages"], json::parse(R"([{"title": "File Format Error", "icon": "exclamation",
        "text": "Obsolete data found. Please resave this file."}])"));
    EXPECT_EQ(old["rows"][0]["multiplier"], 1);  // a number, as the old file holds it
    EXPECT_EQ(old["rows"][0]["press"][1], json::array({"", nullptr}));
    EXPECT_EQ(dumpOf(fixture("missing.vlz")), json::parse(R"({"messages": [], "error":
        {"number": 53, "title": "File IO Error", "text": "File not found", "icon": "critical"}})"));
}

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
        writeBytes(dir_.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
        env_ = {{"VELLORAN_SETTINGS", dir_.path("velloran.ini").string()},
                {"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY},
                {"HIDLINK_SIM_FILE", dir_.path("boards.txt").string()},
                {"XDG_RUNTIME_DIR", dir_.root().string()}};
#endif
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
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("A"), key("B")})}));
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
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("A")}), row("NOT-HERE", 1)}));
    Runvale rv({"--output=record", "--virtual-devices", "Cli Pad:6", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Waiting for device: Pad NOT-HERE [NOT-HERE]")) << rv.err();

    // Another name of the same file counts as the same file: that runvale hands over and ends.
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("B")})}));
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
