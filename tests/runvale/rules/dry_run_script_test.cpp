#include <gtest/gtest.h>

#include "engine/dry_run_script.h"

namespace velloran {
namespace {

TEST(DryRunScript, ReadsDevicesEventsAndComments) {
    const auto script = parseDryRunScript(
        "# two pads\r\n"
        "device 12 03000000aaaa/#1   Demo  Pad   # the first\r\n"
        "device 4 PAD-B\n"
        "\n"
        "  0 down 1 12  # a comment after an item\n"
        "0\tup 1 12\n"
        "7 down 2 4\n"
        "30 end\n"
        "# trailing comment\n");
    ASSERT_TRUE(script.ok()) << script.error().description;
    const DryRunScript& s = script.value();
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
    struct Case {
        const char* script;
        const char* error;
    };
    // One row per kind of check; the line number counts blank lines too.
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const auto script = parseDryRunScript(c.script);
        ASSERT_FALSE(script.ok()) << c.script;
        EXPECT_EQ(script.error().description, c.error) << c.script;
    }
}

}  // namespace
}  // namespace velloran
