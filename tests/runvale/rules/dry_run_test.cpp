// The events script of a dry run, and dry runs against timings worked out by hand. Scan codes
// used: A 1e, B 30, C 2e, SHIFT 2a, Num Lock 45, Caps Lock 3a.
#include <gtest/gtest.h>

#include "common/rows.h"
#include "engine/dry_run.h"
#include "engine/dry_run_warnings.h"

namespace velloran {
namespace {

using testing::key;
using testing::row;
using Lines = std::vector<std::string>;

DryRunScript script(const std::string& text) {
    Result<DryRunScript> parsed = parseDryRunScript(text);
    EXPECT_TRUE(parsed.ok()) << (parsed ? "" : parsed.error().description);
    return parsed ? std::move(parsed.value()) : DryRunScript{};
}

MappingRow with(MappingRow r, std::initializer_list<int> flags) {
    for (const int f : flags) r.setFlag(f, true);
    return r;
}

TEST(DryRunScript, RefusesMistakesNamingTheLine) {
    const std::pair<const char*, const char*> mistakes[] = {
        {"device 4 PAD\n0 down 1 1\n", "no \"T end\" item"},
        {"-5 end\n", "line 1: unknown item \"-5\""},
        {"device 513 PAD\n", "line 1: BUTTONS must be a number from 1 to 512"},
        {"device 4 PAD\n\n5 down 2 1\n", "line 3: no device 2"},
        {"device 4 PAD\n5 down 1 5\n", "line 2: device 1 has no button 5"},
        {"device 4 PAD\n10 down 1 1\n20 down 1 1\n", "line 3: the button is already down"},
    };
    for (const auto& [text, error] : mistakes) {
        const Result<DryRunScript> parsed = parseDryRunScript(text);
        EXPECT_EQ(parsed ? "no error" : parsed.error().description, error) << text;
    }
}

TEST(DryRun, PlaysTheEngineOnScriptedEventsInPassesOfAVirtualClock) {
    MappingRow rotary = with(row("PAD", 1, {key("A")}, {key("B")}), {col::Rotary, col::Repeat});
    rotary.cell(col::Multiplier) = Cell{"2", Tag::number(2)};
    struct Case {
        MappingTable table;
        DryRunOptions options;
        const char* events;
        const char* sent;
    };
    const Case cases[] = {
        // Passes at 0, 10, 20, ...: an event is seen at the first pass at or after it, the
        // changes of one button in script order; the pass at the end runs.
        {testing::table({row("PAD", 2, {key("A")}, {key("B")})}), {},
         "device 4 PAD\n5 down 1 2\n12 up 1 2\n15 down 1 2\n40 up 1 2\n40 end\n",
         "10 +1e; 10 -1e; 20 +30; 20 -30; 20 +1e; 20 -1e; 40 +30; 40 -30"},
        // The hold of pass 10 ends it at 35; the next starts at max(10 + 10, 35) and takes the
        // release of 32; its hold ends at 60, after the end (50): no pass follows.
        {testing::table({row("PAD", 1, {{"SHIFT + A", "A"}}, {key("B")})}), {.holdMs = 25},
         "# comments\r\ndevice 2 PAD  # a pad\r\n\r\n5\tdown 1 1 #\n32 up 1 1\n50 end\n",
         "10 +2a +1e; 35 -1e -2a; 35 +30; 60 -30"},
        // Sent again at the first pass more than the delay after the last send: 100 is not
        // more than 100, so 110, then 220.
        {testing::table({with(row("PAD", 1, {key("A")}), {col::Repeat})}), {.repeatMs = 100},
         "device 1 PAD\n0 down 1 1\n250 up 1 1\n300 end\n",
         "0 +1e; 0 -1e; 110 +1e; 110 -1e; 220 +1e; 220 -1e"},
        // Rotary wins over Repeat. 0: the first press, once. 20: less than 35 ms after the last
        // press: twice, and its release too. 55: 35 ms after, not less: once.
        {testing::table({rotary}), {.pollMs = 5},
         "device 1 PAD\n0 down 1 1\n10 up 1 1\n20 down 1 1\n30 up 1 1\n55 down 1 1\n65 up 1 1\n"
         "70 end\n",
         "0 +1e; 0 -1e; 10 +30; 10 -30; 20 +1e; 20 -1e; 20 +1e; 20 -1e; 30 +30; 30 -30; 30 +30; "
         "30 -30; 55 +1e; 55 -1e; 65 +30; 65 -30"},
        // Num Lock and Caps Lock, both off, are toggled on around each macro (Scroll Lock stays
        // off) and off after it; the release has no steps but sets and clears them the same.
        {testing::table({with(row("PAD", 1, {key("A")}), {col::NumLock, col::CapsLock})}), {},
         "device 1 PAD\n0 down 1 1\n20 up 1 1\n30 end\n",
         "0 +45 -45; 0 +3a -3a; 0 +1e; 0 -1e; 0 +45 -45; 0 +3a -3a; "
         "20 +45 -45; 20 +3a -3a; 20 +45 -45; 20 +3a -3a"},
    };
    for (const Case& c : cases) {
        std::string sent;
        for (const SentBatch& b : runDryRun(c.table, script(c.events), c.options)) {
            sent += (sent.empty() ? "" : "; ") + batchLine(b);
        }
        EXPECT_EQ(sent, c.sent);
    }
}

TEST(DryRunWarnings, NameTheDevicesTheScriptAndTheFileDoNotShare) {
    const MappingTable t = testing::table(
        {row("PAD", 1, {key("A")}), row("Board", 1, {key("B")}), row("BOARD", 2, {key("C")})});
    // Identities match without regard to case (pad); each device is named once (Board).
    EXPECT_EQ(dryRunWarnings(t, script("device 4 pad\ndevice 4 OTHER X\n0 end\n")),
              (Lines{"Warning: device 2 [OTHER] of the events matches no row of the configuration",
                     "Warning: the configuration maps Pad Board [Board], which no \"device\" "
                     "line declares"}));
}

}  // namespace
}  // namespace velloran
