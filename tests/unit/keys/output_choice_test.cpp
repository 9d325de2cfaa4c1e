#include "keys/output_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velloran {
namespace {

using K = OutputKind;
constexpr OutputAvailability kAll{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::Usable};

struct Sink final : KeyOutput {
    bool send(std::span<const KeyRecord>) override { return true; }
    int keyState(std::uint16_t) override { return 0; }
};

TEST(OutputChoice, UinputThenWaylandThenXTest) {
    const OutputAvailability noUinput{UinputStatus::Refused, WaylandStatus::Usable,
                                      XTestStatus::Usable};
    const OutputAvailability xtestOnly{UinputStatus::Missing, WaylandStatus::NoProtocol,
                                       XTestStatus::Usable};
    EXPECT_EQ(chooseKeyOutput(kAll), (OutputChoice{K::Uinput, "uinput virtual keyboard", ""}));
    EXPECT_EQ(chooseKeyOutput(noUinput),
              (OutputChoice{K::Wayland, "Wayland virtual keyboard", ""}));
    EXPECT_EQ(chooseKeyOutput(xtestOnly), (OutputChoice{K::XTest, "X11 XTest", ""}));
    // One asked for by name is chosen over a preferred one.
    EXPECT_EQ(chooseKeyOutput(kAll, K::Wayland).kind, K::Wayland);
    EXPECT_EQ(chooseKeyOutput(kAll, K::XTest).kind, K::XTest);
}

TEST(OutputChoice, NoneNamesEveryProblemAndTheUdevRule) {
    const std::string udev =
        " Install the udev rule 60-velloran-uinput.rules, add your user to the input group and "
        "load the uinput module (see Keyboard output in the README).";
    struct Case {
        OutputAvailability availability;
        OutputKind only;
        std::string reason;
    };
    const Case cases[] = {
        {{UinputStatus::Missing, WaylandStatus::NoCompositor, XTestStatus::NoExtension},
         K::None,
         "No keyboard output is available: /dev/uinput does not exist (the uinput module is not "
         "loaded), no Wayland compositor is reachable and the X display has no XTEST "
         "extension." +
             udev},
        {{UinputStatus::Refused, WaylandStatus::Refused, XTestStatus::NoDisplay},
         K::None,
         "No keyboard output is available: /dev/uinput refused to create a virtual keyboard, the "
         "Wayland compositor refused a virtual keyboard and no X display is reachable." +
             udev},
        {{UinputStatus::Usable, WaylandStatus::NoProtocol, XTestStatus::Usable},
         K::Wayland,
         "The Wayland virtual keyboard cannot send keys: the Wayland compositor offers no "
         "virtual keyboard."},
        {{UinputStatus::NotWritable, WaylandStatus::Usable, XTestStatus::Usable},
         K::Uinput,
         "The uinput virtual keyboard cannot send keys: /dev/uinput is not writable." + udev},
        {{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::NoExtension},
         K::XTest,
         "X11 XTest cannot send keys: the X display has no XTEST extension."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseKeyOutput(c.availability, c.only), (OutputChoice{K::None, "", c.reason}));
    }
}

TEST(OutputChoice, OpeningFallsBackToTheNextWhenTheChosenOneFails) {
    struct Case {
        std::vector<OutputKind> opens;  // the kinds whose opener succeeds
        OutputKind only;
        std::vector<OutputKind> tried;
        OutputKind chosen;
    };
    const Case cases[] = {
        {{K::Uinput, K::Wayland, K::XTest}, K::None, {K::Uinput}, K::Uinput},
        {{K::Wayland, K::XTest}, K::None, {K::Uinput, K::Wayland}, K::Wayland},
        {{K::XTest}, K::None, {K::Uinput, K::Wayland, K::XTest}, K::XTest},
        {{}, K::None, {K::Uinput, K::Wayland, K::XTest}, K::None},
        {{K::Uinput, K::XTest}, K::Wayland, {K::Wayland}, K::None},
    };
    for (const Case& c : cases) {
        std::vector<OutputKind> tried;
        const auto open = [&](OutputKind kind) {
            tried.push_back(kind);
            OpenedKeyOutput opened;
            if (std::find(c.opens.begin(), c.opens.end(), kind) != c.opens.end()) {
                opened = {std::make_unique<Sink>(), {}, "Keyboard layout: X"};
            }
            return opened;
        };
        const OpenedKeyOutput opened = openChosenOutput(kAll, open, c.only);
        EXPECT_EQ(tried, c.tried);
        EXPECT_EQ(opened.choice.kind, c.chosen);
        EXPECT_EQ(opened.layout, opened.output ? "Keyboard layout: X" : "");
        // A refusal after a good probe is named as one.
        if (!opened.output) {
            EXPECT_NE(opened.choice.reason.find("refused"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace velloran
