// The runvale binary as users and scripts run it: each command to its end (exit statuses, what
// goes to standard output and standard error), and runs in the background stopped, reloaded and
// started twice. The recording output (a testing aid) writes each batch to standard error; the
// simulated HID board library gives a background run a board to press.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <thread>

#include "common/fixtures.h"
#include "common/process.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "file_format/configuration_file.h"

namespace velloran::testing {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using Args = std::vector<std::string>;
using Env = std::vector<std::pair<std::string, std::string>>;

std::string fixture(const std::string& name) {
    return fixturePath(name).string();
}
bool holds(const std::string& text, const std::string& part, std::size_t from = 0) {
    return text.find(part, from) != std::string::npos;
}

TEST(Cli, EachCommandsExitStatusAndOutput) {
    const TempFolder dir;
    const auto file = [&dir](const char* name, const std::string& bytes) {
        writeBytes(dir.path(name), bytes);
        return dir.path(name).string();
    };
    const std::string in = fixture("v1_4.vlz"), kept = file("kept.vlz", "keep me");
    const std::string out = dir.path("out.vlz").string(), missing = dir.path("no.vlz").string();
    const std::string config = file("my configs/Day One.vlz",
                                    serializeConfiguration({row("PAD", 1, {{"SHIFT + A", "A"}})}));
    const std::string events = file(
        "events.txt", "device 2 PAD Test Pad\ndevice 2 STICK\n0 down 1 1\n20 up 1 1\n30 end\n");
    std::filesystem::create_directory(dir.path("folder.vlz"));
    struct Case {
        Args args;
        int exit;
        std::string out, err;  // "": nothing printed; else what the output holds
    };
    const Case cases[] = {
        // Command lines refused before any file is touched.
        {{"--dump", in, "--upgrade", in, kept}, 2, "", "Requires at most 1"},  // one command a run
        {{"--hold-ms", "5", in}, 2, "", "--hold-ms: goes with --dry-run or --replay"},
        {{fixture("not_a_config.txt")}, 2, "", "File IO Error: "},
        {{"--dry-run", events, config, "--hold-ms", "5", "--names"}, 0,
         "0 +SHIFT +A\n5 -A -SHIFT\n", "Warning: device 2 [STICK]"},
        {{"--dry-run", file("bad.txt", "device 2 PAD\n0 press 1 1\n10 end\n"), config}, 2, "",
         "bad.txt: line 2: unknown item \"press\"\n"},
        {{"--dry-run", events, fixture("not_a_config.txt")}, 2, "", "File IO Error: "},
        {{"--upgrade", fixture("v1_1.vlz"), out}, 0, "", ""},
        {{"--upgrade", fixture("truncated.vlz"), kept}, 2, "", "File IO Error: This file is"},
        {{"--upgrade", missing, kept}, 3, "", "File IO Error: File not found\n"},
        {{"--upgrade", in, dir.path("folder.vlz").string()}, 2, "", "File IO Error: "},
        {{"--dump", in}, 0, R"({"version":"1.4","obsolete":false,"state":0,"messages":[],"rows":[)",
         ""},
        {{"--dump", fixture("truncated.vlz")}, 2, "\"number\":62", ""},
        {{"--dump", in + "/x.vlz"}, 3, "\"number\":76", ""},
        {{"--list-devices", "--virtual-devices", "Cli List Pad:6"}, 0, "\tCli List Pad\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ProgramRun run = runProgram(RUNVALE_BINARY, c.args);
        EXPECT_EQ(run.exitCode, c.exit);
        for (const auto& [printed, want] : {std::pair{run.out, c.out}, {run.err, c.err}}) {
            EXPECT_TRUE(want.empty() ? printed.empty() : holds(printed, want)) << printed;
        }
    }
    EXPECT_EQ(readBytes(kept), "keep me");
    EXPECT_EQ(readBytes(out).substr(0, 7), "\"1.4\"\r\n");
}

TEST(Cli, DumpPrintsTheLoadAsJson) {
    const auto dump = [](const char* name) {
        // Bad JSON throws, failing the test.
        return json::parse(runProgram(RUNVALE_BINARY, {"--dump", fixture(name)}).out);
    };
    const json rows = dump("v1_4.vlz")["rows"];
    // Tags of each kind, and a step as its text and key name; --dump detects no device.
    const json& r = rows[1];
    EXPECT_EQ(json::array({rows.size(), r["button"], r["device_id"], r["repeat"], r["multiplier"],
                           r["active"], r["press"][0], r["release"].size()}),
              json::parse(R"([6, "2", "{4A1B2C30-7D8E-11EF-8001-444553540000}", true, "1", false,
                              ["SHIFT + A", "A"], 16])"));
    // The old file's multiplier is a number; its blank steps have no key.
    const json old = dump("v1_2.vlz");
    const json& first = old["rows"][0];
    EXPECT_EQ(json::array({old["messages"], first["multiplier"], first["press"][1]}),
              json::parse(R"([[{"title": "File Format Error", "icon": "exclamation",
                  "text": "Obsolete data found. Please resave this file."}], 1, ["", null]])"));
    EXPECT_EQ(dump("missing.vlz"), json::parse(R"({"messages": [], "error":
        {"number": 53, "title": "File IO Error", "text": "File not found", "icon": "critical"}})"));
}

template <typename Done>
bool waitUntil(Done done) {  // up to 10 s
    for (const auto until = std::chrono::steady_clock::now() + 10s; !done();
         std::this_thread::sleep_for(5ms)) {
        if (std::chrono::steady_clock::now() > until) return false;
    }
    return true;
}

// A runvale process in the background with no display and `env` added to its environment. A
// shell notes its process id and hands over to runvale with standard error sent to a file, read
// while it runs.
class Runvale {
public:
    Runvale(const Args& args, const Env& env) {
        Args sh{"-c", R"(echo $$ >"$0.pid"; exec env -u DISPLAY -u WAYLAND_DISPLAY "$@" 2>"$0")",
                errPath_, RUNVALE_BINARY};
        sh.insert(sh.end(), args.begin(), args.end());
        exit_ = std::async(std::launch::async,
                           [sh, env] { return runProgram("/bin/sh", sh, env).exitCode; });
        // Without a process id, kill() would reach this whole process group.
        const std::string pidFile = errPath_ + ".pid";
        if (!waitUntil([&] { return (pid_ = std::atoi(readBytes(pidFile).c_str())) > 0; })) {
            throw std::runtime_error("cannot start " RUNVALE_BINARY);
        }
    }
    ~Runvale() {
        if (exit_.wait_for(0s) != std::future_status::ready) ::kill(pid_, SIGKILL);
    }

    std::string err() const { return readBytes(errPath_); }
    void signal(int signalNumber) { ::kill(pid_, signalNumber); }
    bool waitForErr(const std::string& text, std::size_t from = 0) {
        return waitUntil([&] { return holds(err(), text, from); });
    }
    // The exit status (-1 for a death by signal), none while it runs after 10 s.
    std::optional<int> waitExit() {
        if (exit_.wait_for(10s) != std::future_status::ready) return std::nullopt;
        return exit_.get();
    }

private:
    TempFolder capture_;
    std::string errPath_ = capture_.path("stderr").string();
    pid_t pid_ = 0;
    std::shared_future<int> exit_;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef HIDLINK_SIM_LIBRARY
        GTEST_SKIP() << "the simulated HID library is not built";
#else
        writeBytes(boards_, "board CLI-BOARD 4 Cli Board\n");
        env_ = {{"VELLORAN_SETTINGS", dir_.path("velloran.ini").string()},
                {"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY},
                {"HIDLINK_SIM_FILE", boards_.string()},
                {"XDG_RUNTIME_DIR", dir_.root().string()}};
#endif
    }

    TempFolder dir_;
    std::filesystem::path boards_ = dir_.path("boards.txt");  // the simulated board and its events
    std::string file_ = dir_.path("my configs/Day One.vlz").string();
    Env env_;
};

TEST_F(RunTest, AStopDuringALongKeyHoldEndsTheRunAtOnceWithNoKeyDown) {
    writeBytes(dir_.path("velloran.ini"),
               "[CurrentUser]\nSoftware\\Velloran\\config\\KeyHold=5000\n");
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("A"), key("B")})}));
    Runvale rv({"--output=record", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Playing Day One.vlz")) << rv.err();
    if (holds(rv.err(), "settings from the defaults")) {
        GTEST_SKIP() << "this runvale is built without the settings file (no Qt)";
    }
    std::ofstream(boards_, std::ios::app) << "press CLI-BOARD 1\n";
    ASSERT_TRUE(rv.waitForErr("record: +1e")) << rv.err();

    // An interrupt here, a termination request at the end of the next test.
    const auto stopped = std::chrono::steady_clock::now();
    rv.signal(SIGINT);
    EXPECT_EQ(rv.waitExit(), 0) << rv.err();
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 2s);
    // A goes up at once; the macro's second step (B) is never pressed.
    const std::string err = rv.err();
    EXPECT_TRUE(holds(err, "record: -1e") && !holds(err, "record: +30") &&
                holds(err, "held keys at exit: none"))
        << err;
}

TEST_F(RunTest, ASecondStartOrAHangUpReloadsTheFileAndAFileThatNoLongerLoadsIsNotPlayed) {
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("A")}), row("NOT-HERE", 1)}));
    Runvale rv({"--output=record", "--virtual-devices", "Cli Pad:6", file_}, env_);
    ASSERT_TRUE(rv.waitForErr("Waiting for device: Pad NOT-HERE [NOT-HERE]")) << rv.err();

    // Another name of the same file counts as the same file: that runvale hands over and ends,
    // having played nothing.
    writeBytes(file_, serializeConfiguration({row("CLI-BOARD", 1, {key("B")})}));
    Runvale second({"--output=record", dir_.path("my configs/./Day One.vlz").string()}, env_);
    EXPECT_EQ(second.waitExit(), 0) << second.err();
    EXPECT_TRUE(holds(second.err(), "Day One.vlz is playing already") &&
                !holds(second.err(), "record:"))
        << second.err();
    ASSERT_TRUE(rv.waitForErr("Reloaded Day One.vlz")) << rv.err();
    std::ofstream(boards_, std::ios::app) << "press CLI-BOARD 1\nrelease CLI-BOARD 1\n";
    ASSERT_TRUE(rv.waitForErr("record: +30")) << rv.err();

    writeBytes(file_, readFixture("not_a_config.txt"));
    rv.signal(SIGHUP);
    ASSERT_TRUE(rv.waitForErr("Keeping the configuration that runs.")) << rv.err();
    const std::size_t seen = rv.err().size();
    std::ofstream(boards_, std::ios::app) << "press CLI-BOARD 1\n";
    EXPECT_TRUE(rv.waitForErr("record: +30", seen)) << rv.err();

    rv.signal(SIGTERM);
    EXPECT_EQ(rv.waitExit(), 0);
}

}  // namespace
}  // namespace velloran::testing
