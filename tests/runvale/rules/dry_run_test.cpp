// Dry runs against expectations worked out from the engine's rules by hand. Scan codes used:
// A 1e, B 30, C 2e, SHIFT 2a, Num Lock 45, Caps Lock 3a.
#include <gtest/gtest.h>

#include "common/rows.h"
#include "engine/dry_run.h"

namespace velloran {
namespace {

using testing::key;
using testing::row;

std::vector<std::string> dryRun(const MappingTable& table, const std::string& script,
                                DryRunOptions options = {}) {
    const Result<DryRunScript> parsed = parseDryRunScript(script);
    EXPECT_TRUE(parsed.ok()) << (parsed ? "" : parsed.error().description);
    if (!parsed) return {};
    std::vector<std::string> lines;
    for (const SentBatch& b : runDryRun(table, parsed.value(), options)) {
        lines.push_back(batchLine(b));
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(DryRun, PressAndReleaseRunInTheFirstPassAtOrAfterTheirEvent) {
    const MappingTable t = testing::table({row("PAD", 2, {key("A")}, {key("B")})});
    // Passes at 0, 10, 20, ...: the press at 5 is seen at 10; the release at 40 is seen by the
    // pass at 40, which still runs because it starts at (not after) the end.
    EXPECT_EQ(dryRun(t, "device 4 PAD Test Pad\n5 down 1 2\n40 up 1 2\n40 end\n"),
              (Lines{"10 +1e", "10 -1e", "40 +30", "40 -30"}));
}

TEST(DryRun, HoldsSeparateTheTwoBatchesAndDelayTheNextPass) {
    const MappingTable t = testing::table({row("PAD", 1, {{"SHIFT + A", "A"}}, {key("B")})});
    DryRunOptions o;
    o.holdMs = 25;
    // Pass 10 presses SHIFT+A and holds 25 ms: up at 35, and the pass ends there. The next pass
    // starts at max(10 + 10, 35) = 35 and takes the release of 32; its hold ends it at 60, after
    // the end (50), so no pass follows.
    EXPECT_EQ(dryRun(t, "device 2 PAD\n5 down 1 1\n32 up 1 1\n50 end\n", o),
              (Lines{"10 +2a +1e", "35 -1e -2a", "35 +30", "60 -30"}));
}

TEST(DryRun, RepeatResendsOnlyAfterMoreThanTheRepeatDelay) {
    const auto repeatRow = [] {
        MappingRow r = row("PAD", 1, {key("A")});
        r.setFlag(col::Repeat, true);
        return testing::table({r});
    };
    struct Case {
        long long repeatMs;
        const char* script;
        Lines want;
    };
    const Case cases[] = {
        // Sent at 0 (never sent before); then at the first pass more than 500 ms after the last
        // send: 500 is not more than 500, so 510; then 1020. Released at 1100: no release steps.
        {500,
         "device 1 PAD\n0 down 1 1\n1100 up 1 1\n1200 end\n",
         {"0 +1e", "0 -1e", "510 +1e", "510 -1e", "1020 +1e", "1020 -1e"}},
        // 95 ms: 100 - 0 > 95, 200 - 100 > 95; released at 250 before 300.
        {95,
         "device 1 PAD\n0 down 1 1\n250 up 1 1\n300 end\n",
         {"0 +1e", "0 -1e", "100 +1e", "100 -1e", "200 +1e", "200 -1e"}},
    };
    for (const Case& c : cases) {
        DryRunOptions o;
        o.repeatMs = c.repeatMs;
        EXPECT_EQ(dryRun(repeatRow(), c.script, o), c.want) << c.repeatMs;
    }
}

TEST(DryRun, RotaryPressesCloserThanTheThresholdSendMultiplierTimes) {
    MappingRow r = row("PAD", 1, {key("A")}, {key("B")});
    r.setFlag(col::Rotary, true);
    r.setFlag(col::Repeat, true);  // Rotary wins over Repeat
    r.cell(col::Multiplier) = Cell{"4", Tag::number(4)};
    DryRunOptions o;
    o.pollMs = 5;
    // 0: first press, once. 20: 20 ms after the press at 0 (< 35): four times, and its release
    // at 30 four times too. 100: 80 ms after: once. 135: exactly 35 ms after, not less: once.
    const std::string script =
        "device 1 PAD\n0 down 1 1\n10 up 1 1\n20 down 1 1\n30 up 1 1\n"
        "100 down 1 1\n110 up 1 1\n135 down 1 1\n145 up 1 1\n150 end\n";
    Lines want;
    const auto add = [&](int t, const char* code, int times) {
        for (int i = 0; i < times; ++i) {
            want.push_back(std::to_string(t) + " +" + code);
            want.push_back(std::to_string(t) + " -" + code);
        }
    };
    add(0, "1e", 1);
    add(10, "30", 1);
    add(20, "1e", 4);
    add(30, "30", 4);
    add(100, "1e", 1);
    add(110, "30", 1);
    add(135, "1e", 1);
    add(145, "30", 1);
    EXPECT_EQ(dryRun(testing::table({r}), script, o), want);
}

TEST(DryRun, LockStatesAreSetAroundEachMacroAndSwitchedOffAfter) {
    MappingRow r = row("PAD", 1, {key("A")});
    r.setFlag(col::NumLock, true);
    r.setFlag(col::CapsLock, true);
    // Press: Num Lock and Caps Lock are off, so each is toggled on (Scroll Lock stays off), A is
    // typed, and both are toggled off again. The release has no steps but applies and clears the
    // same lock states.
    EXPECT_EQ(dryRun(testing::table({r}), "device 1 PAD\n0 down 1 1\n20 up 1 1\n30 end\n"),
              (Lines{"0 +45 -45", "0 +3a -3a", "0 +1e", "0 -1e", "0 +45 -45", "0 +3a -3a",
                     "20 +45 -45", "20 +3a -3a", "20 +45 -45", "20 +3a -3a"}));
}

TEST(DryRun, BlankStepsAreSkippedAndTheRestSentInColumnOrder) {
    MappingRow r = row("PAD", 1, {testing::kBlank, key("A"), testing::kBlank, {"SHIFT + B", "B"}});
    r.cell(col::FirstRelease + 15) = Cell{"C", Tag::text("C")};  // "On Release 16" only
    EXPECT_EQ(dryRun(testing::table({r}), "device 1 PAD\n0 down 1 1\n10 up 1 1\n10 end\n"),
              (Lines{"0 +1e", "0 -1e", "0 +2a +30", "0 -30 -2a", "10 +2e", "10 -2e"}));
}

TEST(DryRun, APassVisitsDevicesInOrderAndButtonsInAscendingOrder) {
    // Button 1 of both pads, told apart by identity (matched ignoring case), and button 2.
    const MappingTable t = testing::table(
        {row("PAD-B", 1, {key("B")}), row("PAD-A", 1, {key("A")}), row("pad-a", 2, {key("C")})});
    // All three go down at 0, written in the opposite order: device 1 first, its button 1
    // before its button 2, then device 2.
    EXPECT_EQ(dryRun(t,
                     "device 2 PAD-A First\ndevice 2 PAD-B Second\n"
                     "0 down 2 1\n0 down 1 2\n0 down 1 1\n0 end\n"),
              (Lines{"0 +1e", "0 -1e", "0 +2e", "0 -2e", "0 +30", "0 -30"}));
}

TEST(DryRun, AThreeMillisecondPulseBetweenPassesStillSendsBothMacros) {
    const MappingTable t = testing::table({row("PAD", 3, {key("A")}, {key("B")})});
    // Down at 12 and up at 15 both wait for the pass at 20, which runs the press and then the
    // release; the button's state (up) then changes nothing.
    EXPECT_EQ(dryRun(t, "device 4 PAD\n12 down 1 3\n15 up 1 3\n40 end\n"),
              (Lines{"20 +1e", "20 -1e", "20 +30", "20 -30"}));
}

TEST(DryRun, UnmappedButtonsAndDevicesSendNothing) {
    const MappingTable t = testing::table({row("PAD", 1, {key("A")})});
    EXPECT_EQ(dryRun(t, "device 2 PAD\ndevice 2 OTHER\n0 down 1 2\n0 down 2 1\n10 end\n"), Lines{});
}

}  // namespace
}  // namespace velloran
