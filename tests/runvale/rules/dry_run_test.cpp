// The events script of a dry run, and dry runs against expectations worked out from the engine's
// rules by hand. Scan codes used: A 1e, B 30, C 2e, SHIFT 2a, Num Lock 45, Caps Lock 3a.
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

// The batches sent, "; " between them.
std::string dryRun(const MappingTable& table, const std::string& events, const DryRunOptions& o) {
    std::string text;
    for (const SentBatch& b : runDryRun(table, script(events), o)) {
        text += (text.empty() ? "" : "; ") + batchLine(b);
    }
    return text;
}

MappingRow with(MappingRow r, std::initializer_list<int> flags) {
    for (const int f : flags) r.setFlag(f, true);
    return r;
}

TEST(DryRunScript, ReadsDevicesEventsAndComments) {
    const DryRunScript s = script(
        "# two pads\r\n"
        "device 12 03000000aaaa/#1   Demo  Pad   # the first\r\n"
        "device 4 PAD-B\n"
        "\n"
        "  0 down 1 12  # a comment after an item\n"
        "0\tup 1 12\n"
        "7 down 2 4\n"
        "30 end\n"
        "# trailing comment\n");
    ASSERT_EQ(s.devices.size(), 2u);
    EXPECT_EQ(s.devices[0].identity, "03000000aaaa/#1");  // "#" inside a word is no comment
    EXPECT_EQ(s.devices[0].displayName, "Demo  Pad");
    EXPECT_EQ(s.devices[0].buttonCount, 12);
    EXPECT_EQ(s.devices[1].displayName, "PAD-B");  // the identity when no name is given
    EXPECT_EQ(s.events,
              (std::vector<ScriptedEvent>{{0, 1, 12, true}, {0, 1, 12, false}, {7, 2, 4, true}}));
    EXPECT_EQ(s.end, 30);
}

TEST(DryRunScript, RefusesMistakesNamingTheLine) {
    // One row per kind of check; the line number counts blank lines too.
    const std::pair<const char*, const char*> cases[] = {
        {"device 4 PAD\n0 down 1 1\n", "no \"T end\" item"},
        {"-5 end\n", "line 1: unknown item \"-5\""},
        {"device 513 PAD\n", "line 1: BUTTONS must be a number from 1 to 512"},
        {"device 4 PAD\n0 down 1 1\ndevice 2 X\n", "line 3: devices are declared before any event"},
        {"device 4 PAD\n\n5 down 2 1\n", "line 3: no device 2"},
        {"device 4 PAD\n5 down 1 5\n", "line 2: device 1 has no button 5"},
        {"device 4 PAD\n10 down 1 1\n5 up 1 1\n", "line 3: time goes back"},
        {"device 4 PAD\n10 down 1 1\n20 end\n15 up 1 1\n", "line 4: nothing may follow the end"},
        {"device 4 PAD\n10 down 1 1\n20 down 1 1\n", "line 3: the button is already down"},
    };
    for (const auto& [text, error] : cases) {
        const Result<DryRunScript> parsed = parseDryRunScript(text);
        EXPECT_EQ(parsed ? "no error" : parsed.error().description, error) << text;
    }
}

TEST(DryRun, PlaysTheEngineOnScriptedEventsInPassesOfAVirtualClock) {
    const MappingTable pressRelease = testing::table({row("PAD", 2, {key("A")}, {key("B")})});
    MappingRow rotary = with(row("PAD", 1, {key("A")}, {key("B")}), {col::Rotary, col::Repeat});
    rotary.cell(col::Multiplier) = Cell{"2", Tag::number(2)};
    MappingRow blanks =
        row("PAD", 1, {testing::kBlank, key("A"), testing::kBlank, {"SHIFT + B", "B"}});
    blanks.cell(col::FirstRelease + 15) = Cell{"C", Tag::text("C")};  // "On Release 16" only
    struct Case {
        const char* what;
        MappingTable table;
        DryRunOptions options;
        const char* events;
        const char* sent;
    };
    const Case cases[] = {
        // Passes at 0, 10, 20, ...: the press at 5 is seen at 10; the pass at the end runs.
        {"first pass at or after the event", pressRelease, {},
         "device 4 PAD Test Pad\n5 down 1 2\n40 up 1 2\n40 end\n",
         "10 +1e; 10 -1e; 40 +30; 40 -30"},
        // Down at 12 and up at 15 both wait for the pass at 20: the press, then the release.
        {"a pulse between passes", pressRelease, {}, "device 4 PAD\n12 down 1 2\n15 up 1 2\n40 end\n",
         "20 +1e; 20 -1e; 20 +30; 20 -30"},
        // The hold of pass 10 ends it at 35; the next starts at max(10 + 10, 35) and takes the
        // release of 32; its hold ends at 60, after the end (50): no pass follows.
        {"holds", testing::table({row("PAD", 1, {{"SHIFT + A", "A"}}, {key("B")})}),
         {.holdMs = 25}, "device 2 PAD\n5 down 1 1\n32 up 1 1\n50 end\n",
         "10 +2a +1e; 35 -1e -2a; 35 +30; 60 -30"},
        // Sent at 0, then at the first pass more than the repeat delay after the last send: 100
        // is not more than 100, so 110, then 220. The release has no steps.
        {"repeat", testing::table({with(row("PAD", 1, {key("A")}), {col::Repeat})}),
         {.repeatMs = 100}, "device 1 PAD\n0 down 1 1\n250 up 1 1\n300 end\n",
         "0 +1e; 0 -1e; 110 +1e; 110 -1e; 220 +1e; 220 -1e"},
        // Rotary wins over Repeat. 0: the first press, once. 20: less than 35 ms after the last
        // press: twice, and its release too. 55: 35 ms after, not less: once.
        {"rotary", testing::table({rotary}), {.pollMs = 5},
         "device 1 PAD\n0 down 1 1\n10 up 1 1\n20 down 1 1\n30 up 1 1\n55 down 1 1\n65 up 1 1\n"
         "70 end\n",
         "0 +1e; 0 -1e; 10 +30; 10 -30; 20 +1e; 20 -1e; 20 +1e; 20 -1e; 30 +30; 30 -30; 30 +30; "
         "30 -30; 55 +1e; 55 -1e; 65 +30; 65 -30"},
        // Num Lock and Caps Lock, both off, are toggled on around each macro (Scroll Lock stays
        // off) and off after it; the release has no steps but sets and clears them the same.
        {"lock keys", testing::table({with(row("PAD", 1, {key("A")}), {col::NumLock, col::CapsLock})}),
         {}, "device 1 PAD\n0 down 1 1\n20 up 1 1\n30 end\n",
         "0 +45 -45; 0 +3a -3a; 0 +1e; 0 -1e; 0 +45 -45; 0 +3a -3a; "
         "20 +45 -45; 20 +3a -3a; 20 +45 -45; 20 +3a -3a"},
        {"blank steps skipped, the rest in column order", testing::table({blanks}), {},
         "device 1 PAD\n0 down 1 1\n10 up 1 1\n10 end\n",
         "0 +1e; 0 -1e; 0 +2a +30; 0 -30 -2a; 10 +2e; 10 -2e"},
        // Two pads share button 1, told apart by identity (matched ignoring case). Written in
        // the opposite order, all go down at 0: device 1 first, its buttons ascending.
        {"visit order",
         testing::table({row("PAD-B", 1, {key("B")}), row("PAD-A", 1, {key("A")}),
                         row("pad-a", 2, {key("C")})}),
         {}, "device 2 PAD-A First\ndevice 2 PAD-B Second\n0 down 2 1\n0 down 1 2\n0 down 1 1\n0 end\n",
         "0 +1e; 0 -1e; 0 +2e; 0 -2e; 0 +30; 0 -30"},
        {"unmapped buttons and devices", pressRelease, {},
         "device 4 PAD\ndevice 2 OTHER\n0 down 1 1\n0 down 2 2\n10 end\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(dryRun(c.table, c.events, c.options), c.sent) << c.what;
}

TEST(DryRunWarnings, NameTheDevicesTheScriptAndTheFileDoNotShare) {
    const MappingTable t = testing::table(
        {row("PAD", 1, {key("A")}), row("Board", 1, {key("B")}), row("BOARD", 2, {key("C")})});
    // Identities match without regard to case; each device is named once.
    EXPECT_EQ(dryRunWarnings(t, script("device 4 pad\ndevice 2 board\n0 end\n")), Lines{});
    EXPECT_EQ(dryRunWarnings(t, script("device 4 pad\ndevice 4 OTHER X\n0 end\n")),
              (Lines{"Warning: device 2 [OTHER] of the events matches no row of the configuration",
                     "Warning: the configuration maps Pad Board [Board], which no \"device\" "
                     "line declares"}));
}

TEST(DryRunKeyNames, NameEachKeyWithHexForKeysWithoutAName) {
    const SentBatch batch{12, {{0x2a, false}, {0x1c, true}, {0x54, false}}};
    EXPECT_EQ(batchLine(batch, true), "12 +SHIFT -ENTER +54");
    EXPECT_EQ(batchLine(batch), "12 +2a -1c +54");
}

}  // namespace
}  // namespace velloran
