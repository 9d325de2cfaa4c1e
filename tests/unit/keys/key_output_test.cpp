#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "keys/layout_names.h"
#include "keys/lock_state_source.h"
#include "keys/output_choice.h"

namespace velloran {
namespace {

struct Sink final : KeyOutput {
    bool send(std::span<const KeyRecord>) override { return true; }
    int keyState(std::uint16_t) override { return 0; }
};

// The first usable output in the order uinput, Wayland, XTest (or the one named) that opens;
// one that fails to open counts as refused. Without one, the reason names every problem, with
// the udev rule wherever uinput could serve: the text is what the user reads to make keys work.
TEST(OutputChoice, FirstUsableOutputThatOpensElseEveryProblemNamed) {
    using K = OutputKind;
    using U = UinputStatus;
    using W = WaylandStatus;
    using X = XTestStatus;
    const OutputAvailability all{U::Usable, W::Usable, X::Usable};
    const std::vector<K> any = {K::Uinput, K::Wayland, K::XTest};
    const std::string udev =
        " Install the udev rule 60-velloran-uinput.rules, add your user to the input group and "
        "load the uinput module (see Keyboard output in the README).";
    const std::string noneOpens =
        "No keyboard output is available: /dev/uinput refused to create a virtual keyboard, the "
        "Wayland compositor refused a virtual keyboard and no X display is reachable." +
        udev;
    const std::string noneUsable =
        "No keyboard output is available: /dev/uinput does not exist (the uinput module is not "
        "loaded), no Wayland compositor is reachable and the X display has no XTEST extension." +
        udev;
    const std::string waylandRefused =
        "The Wayland virtual keyboard cannot send keys: the Wayland compositor refused a virtual "
        "keyboard.";
    const struct {
        OutputAvailability availability;
        K only;
        std::vector<K> opens, tried;
        std::string want;  // the name of the output opened, or the reason there is none
    } cases[] = {
        {all, K::None, any, {K::Uinput}, "uinput virtual keyboard"},
        {{U::Refused, W::Usable, X::Usable},
         K::None,
         any,
         {K::Wayland},
         "Wayland virtual keyboard"},
        {{U::Missing, W::NoProtocol, X::Usable}, K::None, any, {K::XTest}, "X11 XTest"},
        {all, K::None, {K::Wayland}, {K::Uinput, K::Wayland}, "Wayland virtual keyboard"},
        {all, K::None, {}, any, noneOpens},
        {all, K::Wayland, {K::Uinput, K::XTest}, {K::Wayland}, waylandRefused},
        {{U::Missing, W::NoCompositor, X::NoExtension}, K::None, {}, {}, noneUsable},
    };
    for (const auto& c : cases) {
        std::vector<K> tried;
        const auto open = [&](K kind) {
            tried.push_back(kind);
            OpenedKeyOutput opened;
            if (std::find(c.opens.begin(), c.opens.end(), kind) != c.opens.end()) {
                opened = {std::make_unique<Sink>(), {}, "Keyboard layout: X"};
            }
            return opened;
        };
        const OpenedKeyOutput opened = openChosenOutput(c.availability, open, c.only);
        EXPECT_EQ(tried, c.tried) << c.want;
        EXPECT_EQ(opened.output ? opened.choice.name : opened.choice.reason, c.want);
        EXPECT_EQ(opened.layout, opened.output ? "Keyboard layout: X" : "");
    }
}

TEST(LayoutNames, EnvironmentThenSystemFilesThenUs) {
    const std::string debian =
        "# comment\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT=\"nodeadkeys\"\n";
    const std::string localed =
        "Section \"InputClass\"\n  Option \"XkbLayout\" \"fr\"\n  Option \"XkbVariant\" "
        "\"azerty\"\n";
    struct Case {
        LayoutSettings settings;
        LayoutChoice expected;
    };
    for (const Case& c : {
             Case{{"ru", "phonetic", debian, localed},
                  {{"ru", "phonetic", "", ""}, "XKB_DEFAULT_LAYOUT"}},
             Case{{"", std::nullopt, debian, localed},
                  {{"de", "nodeadkeys", "pc105", ""}, "/etc/default/keyboard"}},
             Case{{std::nullopt, std::nullopt, "XKBMODEL=pc105\n", localed},
                  {{"fr", "azerty", "", ""}, "/etc/X11/xorg.conf.d/00-keyboard.conf"}},
             Case{{std::nullopt, std::nullopt, std::nullopt, "garbage\n\"Option\n"},
                  {{"us", "", "", ""}, "default"}},
         }) {
        EXPECT_EQ(chooseLayoutNames(c.settings), c.expected) << c.expected.origin;
    }
    EXPECT_EQ(layoutInForceText("German", "X server"), "Keyboard layout: German (X server)");
}

// `syncs`: the system sets the virtual keyboard's LEDs; `physical`: the physical keyboards'
// LEDs, if readable.
struct FakeLedReader final : LedReader {
    FakeLedReader(bool s, std::optional<unsigned> p) : syncs(s), physical(p) {}
    bool waitForDeviceLeds(int milliseconds) override {
        waits.push_back(milliseconds);
        return syncs;
    }
    unsigned deviceLeds() override { return device; }
    std::optional<unsigned> physicalLeds() override { return physical; }

    bool syncs;
    std::optional<unsigned> physical;
    unsigned device = led::NumLock;
    std::vector<int> waits;
};

TEST(LockStateSource, SyncedDeviceThenPhysicalKeyboardsThenNoneWhichIsSaidOnce) {
    const struct {
        bool syncs;
        std::optional<unsigned> physical;
        LockSource source;
        unsigned leds;
    } cases[] = {{true, led::CapsLock, LockSource::VirtualKeyboard, led::NumLock},
                 {false, 0u, LockSource::PhysicalKeyboards, 0u},
                 {false, std::nullopt, LockSource::None, led::NumLock}};
    for (const auto& c : cases) {
        FakeLedReader reader(c.syncs, c.physical);
        LockStateSource source(reader);
        EXPECT_EQ(source.takeNotice(), std::nullopt)
            << "nothing is known before the first decision";
        EXPECT_EQ(source.leds(), c.leds);
        EXPECT_EQ(source.source(), c.source);
        // The bounded wait happens once, at the first decision; later reads follow the source.
        reader.device = led::ScrollLock;
        if (reader.physical) reader.physical = led::ScrollLock;
        EXPECT_EQ(source.leds(), led::ScrollLock);
        EXPECT_EQ(reader.waits, std::vector<int>{kLedSyncWaitMs});
        EXPECT_LE(kLedSyncWaitMs, 250);
        if (c.source == LockSource::None) {
            EXPECT_EQ(source.takeNotice(), std::string(kNoLockSourceText));
        }
        EXPECT_EQ(source.takeNotice(), std::nullopt);
    }
}

}  // namespace
}  // namespace velloran
