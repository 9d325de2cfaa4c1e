// The runvale binary run to its end as users and scripts run it: exit statuses, what goes to
// standard output and standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "common/fixtures.h"
#include "common/process.h"
#include "common/rows.h"
#include "common/temp_folder.h"
#include "file_format/configuration_file.h"

namespace velloran::testing {
namespace {

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
        {{"--no-such-option"}, 2, "", "--no-such-option"},
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

}  // namespace
}  // namespace velloran::testing
