#include "keys/output_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velloran {
namespace {

constexpr UinputStatus kNoUinput = UinputStatus::NotWritable;
constexpr WaylandStatus kNoWayland = WaylandStatus::NoProtocol;
constexpr XTestStatus kNoXTest = XTestStatus::NoDisplay;

struct Sink final : KeyOutput {
    bool send(std::span<const KeyRecord>) override { return true; }
    int keyState(std::uint16_t) override { return 0; }
};

TEST(OutputChoice, UinputThenWaylandThenXTest) {
    struct Case {
        OutputAvailability availability;
        OutputKind only;
        OutputKind chosen;
        const char* name;
    };
    const Case cases[] = {
        {{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::Usable},
         OutputKind::None,
         OutputKind::Uinput,
         "uinput virtual keyboard"},
        {{UinputStatus::Refused, WaylandStatus::Usable, XTestStatus::Usable},
         OutputKind::None,
         OutputKind::Wayland,
         "Wayland virtual keyboard"},
        {{UinputStatus::Missing, kNoWayland, XTestStatus::Usable},
         OutputKind::None,
         OutputKind::XTest,
         "X11 XTest"},
        {{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::Usable},
         OutputKind::Wayland,
         OutputKind::Wayland,
         "Wayland virtual keyboard"},
        {{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::Usable},
         OutputKind::XTest,
         OutputKind::XTest,
         "X11 XTest"},
    };
    for (const Case& c : cases) {
        const OutputChoice choice = chooseKeyOutput(c.availability, c.only);
        EXPECT_EQ(choice, (OutputChoice{c.chosen, c.name, ""})) << c.name;
    }
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
         OutputKind::None,
         "No keyboard output is available: /dev/uinput does not exist (the uinput module is not "
         "loaded), no Wayland compositor is reachable and the X display has no XTEST "
         "extension." +
             udev},
        {{UinputStatus::Refused, WaylandStatus::Refused, kNoXTest},
         OutputKind::None,
         "No keyboard output is available: /dev/uinput refused to create a virtual keyboard, the "
         "Wayland compositor refused a virtual keyboard and no X display is reachable." +
             udev},
        {{kNoUinput, kNoWayland, XTestStatus::Usable},
         OutputKind::Wayland,
         "The Wayland virtual keyboard cannot send keys: the Wayland compositor offers no "
         "virtual keyboard."},
        {{kNoUinput, WaylandStatus::Usable, kNoXTest},
         OutputKind::Uinput,
         "The uinput virtual keyboard cannot send keys: /dev/uinput is not writable." + udev},
        {{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::NoExtension},
         OutputKind::XTest,
         "X11 XTest cannot send keys: the X display has no XTEST extension."},
    };
    for (const Case& c : cases) {
        const OutputChoice choice = chooseKeyOutput(c.availability, c.only);
        EXPECT_EQ(choice, (OutputChoice{OutputKind::None, "", c.reason}));
    }
}

TEST(OutputChoice, OpeningFallsBackToTheNextWhenTheChosenOneFails) {
    struct Case {
        std::vector<OutputKind> opens;  // the kinds whose opener succeeds
        OutputKind only;
        std::vector<OutputKind> tried;
        OutputKind chosen;
    };
    using K = OutputKind;
    const Case cases[] = {
        {{K::Uinput, K::Wayland, K::XTest}, K::None, {K::Uinput}, K::Uinput},
        {{K::Wayland, K::XTest}, K::None, {K::Uinput, K::Wayland}, K::Wayland},
        {{K::XTest}, K::None, {K::Uinput, K::Wayland, K::XTest}, K::XTest},
        {{}, K::None, {K::Uinput, K::Wayland, K::XTest}, K::None},
        {{K::Uinput, K::XTest}, K::Wayland, {K::Wayland}, K::None},
    };
    const OutputAvailability all{UinputStatus::Usable, WaylandStatus::Usable, XTestStatus::Usable};
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
        const OpenedKeyOutput opened = openChosenOutput(all, open, c.only);
        EXPECT_EQ(tried, c.tried);
        EXPECT_EQ(opened.choice.kind, c.chosen);
        EXPECT_EQ(opened.output != nullptr, c.chosen != OutputKind::None);
        EXPECT_EQ(opened.layout, opened.output ? "Keyboard layout: X" : "");
    }
    // A refusal after a good probe is named as one.
    const OpenedKeyOutput none =
        openChosenOutput(all, [](OutputKind) { return OpenedKeyOutput{}; });
    EXPECT_NE(none.choice.reason.find("the Wayland compositor refused a virtual keyboard"),
              std::string::npos);
}

}  // namespace
}  // namespace velloran
