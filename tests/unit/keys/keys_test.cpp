#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/clock.h"
#include "common/key_text.h"
#include "keys/kb_decode.h"
#include "keys/key_names.h"
#include "keys/key_step.h"
#include "keys/layout_names.h"
#include "keys/lock_state_source.h"
#include "keys/output_choice.h"
#include "keys/scan_codes.h"
#include "keys/send_key.h"

namespace velloran::testing {
namespace {

// Over the code's own table: names and codes resolve both ways, none twice, every named key
// reaches an output key (PRINT SCREEN has no set-1 code and types nothing), and without an
// extended flag only a number-pad key and its twin off the pad share a scan code.
TEST(KeyTable, RoundTripNoDuplicatesAndOnlyNumberPadTwinsShareAScanCode) {
    std::set<std::string> names;
    std::set<int> codes;
    std::map<std::uint16_t, std::vector<std::string>> byScan;
    for (const KeyName& key : keyNames()) {
        EXPECT_TRUE(names.insert(std::string(key.name)).second) << key.name;
        EXPECT_TRUE(codes.insert(key.code).second) << key.name;
        EXPECT_EQ(keyCodeOfName(key.name), key.code) << key.name;
        EXPECT_EQ(keyNameOfCode(key.code), key.name) << key.name;
        const std::uint16_t scan = scanCodeOf(key.code);
        EXPECT_EQ(scan == 0, key.name == "PRINT SCREEN") << key.name;
        if (scan != 0) {
            EXPECT_NE(linuxKeyCodeOf(scan), 0) << key.name;
            byScan[scan].push_back(std::string(key.name));
        }
    }
    EXPECT_EQ(names.size(), 92u);
    for (const auto& [scan, twins] : byScan) {
        ASSERT_LE(twins.size(), 2u) << twins[0];
        if (twins.size() == 2) {
            EXPECT_NE(twins[0][0] == 'N', twins[1][0] == 'N') << twins[0];
        }
    }
    // Codes without a key give nothing.
    for (const std::uint16_t code : std::initializer_list<std::uint16_t>{0, 44, 91, 124, 256}) {
        EXPECT_EQ(keyNameOfCode(code), "") << code;
        EXPECT_EQ(scanCodeOf(code), 0) << code;
    }
    EXPECT_EQ(linuxKeyCodeOf(0x59), 0);
}

// Each case decodes one step of a row whose steps are all full already and sends it: the
// modifiers of the text in the order SHIFT, CTRL, ALT, then the key of the name (never of the
// text), released in reverse.
TEST(SendKey, ADecodedStepPressesModifiersThenTheNamedKeyAndReleasesInReverse) {
    const struct {
        const char *text, *name;
        int step;
        double hold;
        const char* want;
    } cases[] = {
        {"SHIFT + CTRL + X", "X", 16, 0.4, "+2A +1D +2D | -2D -1D -2A"},
        {"ALT + CTRL + SHIFT + F12", "F12", 2, 7.6, "+2A +1D +38 +58 | -58 -38 -1D -2A"},
        // PRINT SCREEN has no scan code and F13 no key: the modifiers are typed alone.
        {"SHIFT + ", "PRINT SCREEN", 1, 12.5, "+2A | -2A"},
        {"CTRL + ALT + F13", "F13", 1, 13.5, "+1D +38 | -38 -1D"},
        {"CTRL + Z", "X", 1, 0, "+1D +2D | -2D -1D"},
        {" ", " ", 1, 20, ""},
    };
    CompiledRow full;
    for (int step = 1; step <= kStepsPerMacro; ++step) {
        Decode_Scancodes(full, "SHIFT + CTRL + ALT + A", "A", step);
    }
    for (const auto& c : cases) {
        CompiledRow row = full;
        Decode_Scancodes(row, c.text, c.name, c.step);
        EXPECT_EQ(row.steps[c.step == 1 ? 1 : 0], full.steps[0]) << "other steps are kept";
        FakeClock clock;
        RecordingOutput out(clock);
        SendKey(out, clock, row, c.step, c.hold);
        EXPECT_EQ(keysText(out.batches()), c.want) << c.text;
    }
}

TEST(SetKeyState, TogglesTheLocksOwnKeyOnlyWhenTheWholeStateDiffers) {
    const struct {
        std::uint16_t lock;
        bool on, held;
        int wanted;
        const char* want;
    } cases[] = {
        {vk::NumLock, false, false, 1, "+45 -45"},  {vk::NumLock, true, false, 1, ""},
        {vk::NumLock, true, true, 1, "+45 -45"},    {vk::NumLock, false, true, 0, "+45 -45"},
        {vk::CapsLock, false, false, 1, "+3A -3A"}, {vk::ScrollLock, true, false, 0, "+46 -46"},
    };
    for (const auto& c : cases) {
        FakeClock clock;
        RecordingOutput out(clock);
        const KeyRecord down{scanCodeOf(c.lock), false};
        if (c.held) out.send({&down, 1});  // a key already down does not switch its lock again
        out.setLock(c.lock, c.on);
        out.clearBatches();
        SetKeyState(out, c.lock, c.wanted);
        SetKeyState(out, c.lock, c.wanted);  // now in the state wanted: nothing more
        EXPECT_EQ(keysText(out.batches()), c.want) << c.lock << c.on << c.held << c.wanted;
    }
}

class FakeHost : public KeyDecodeHost {
public:
    bool testOutputVisible() const override { return true; }
    bool recording() const override { return false; }
    bool testing() const override { return isTesting; }
    int currentColumn() const override { return column; }
    std::string testOutputText() const override { return ""; }
    void clearFeedback() override {}
    void setTestOutput(std::string) override {}
    void writeStep(int c, const KeyStep& step) override { written.emplace_back(c, step); }
    void markModified() override { ++modifiedMarks; }

    bool isTesting = false;
    int column = col::FirstPress, modifiedMarks = 0;
    std::vector<std::pair<int, KeyStep>> written;
};

// A named key, after its modifiers in the order SHIFT, CTRL, ALT, goes into the step column
// under the cursor; the configuration is marked modified wherever the cursor is. Keys without a
// name (modifiers alone, locks) do nothing, and neither does anything during a test.
TEST(KbDecode, NamedKeysGoToTheStepColumnUnderTheCursorOutsideTests) {
    const struct {
        int code, mask, column;
        bool testing;
        const char* text;
        const char* step;  // the key name written with the text, or nothing written
    } cases[] = {
        {65, modifier::Shift | modifier::Alt, col::FirstPress, false, "SHIFT + ALT + A", "A"},
        {17, 3, col::FirstPress, false, "SHIFT + CTRL + ", nullptr},
        {81, 6, col::LastStep + 1, false, "CTRL + ALT + Q", nullptr},
        {81, 0, col::FirstPress, true, "Q", nullptr},
    };
    for (const auto& c : cases) {
        FakeHost host;
        host.column = c.column;
        host.isTesting = c.testing;
        EXPECT_EQ(KB_Decode(host, static_cast<std::uint16_t>(c.code), c.mask), c.text);
        std::vector<std::pair<int, KeyStep>> steps;
        if (c.step) steps.emplace_back(c.column, KeyStep{c.text, c.step});
        EXPECT_EQ(host.written, steps) << c.text;
        EXPECT_EQ(host.modifiedMarks, c.testing || std::string_view(c.text).ends_with(' ') ? 0 : 1)
            << c.text;
    }
}

struct Sink final : KeyOutput {
    bool send(std::span<const KeyRecord>) override { return true; }
    int keyState(std::uint16_t) override { return 0; }
};

// The first usable output in the order uinput, Wayland, XTest (or the one named) that opens; one
// that fails to open counts as refused; without one, a reason says what to fix.
TEST(OutputChoice, FirstUsableOutputThatOpensElseAReason) {
    using K = OutputKind;
    using U = UinputStatus;
    using W = WaylandStatus;
    using X = XTestStatus;
    const OutputAvailability all{U::Usable, W::Usable, X::Usable};
    const std::vector<K> any = {K::Uinput, K::Wayland, K::XTest};
    const struct {
        OutputAvailability availability;
        K only;
        std::vector<K> opens, tried;
        K opened;
    } cases[] = {
        {all, K::None, any, {K::Uinput}, K::Uinput},
        {{U::Refused, W::Usable, X::Usable}, K::None, any, {K::Wayland}, K::Wayland},
        {{U::Missing, W::NoProtocol, X::Usable}, K::None, any, {K::XTest}, K::XTest},
        {all, K::None, {K::Wayland}, {K::Uinput, K::Wayland}, K::Wayland},
        {all, K::None, {}, any, K::None},
        {all, K::Wayland, {K::Uinput, K::XTest}, {K::Wayland}, K::None},
    };
    for (const auto& c : cases) {
        std::vector<K> tried;
        const auto open = [&](K kind) {
            tried.push_back(kind);
            const bool opens = std::ranges::count(c.opens, kind) > 0;
            return OpenedKeyOutput{opens ? std::make_unique<Sink>() : nullptr, {}};
        };
        const OpenedKeyOutput opened = openChosenOutput(c.availability, open, c.only);
        EXPECT_EQ(tried, c.tried);
        EXPECT_EQ(opened.choice.kind, c.opened);
        EXPECT_EQ(opened.choice.reason.empty(), c.opened != K::None);
    }
}

TEST(LayoutNames, EnvironmentThenSystemFilesThenUs) {
    const std::string debian = "XKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT=\"nodeadkeys\"\n";
    const std::string localed =
        "Section \"InputClass\"\n  Option \"XkbLayout\" \"fr\"\n  Option \"XkbVariant\" "
        "\"azerty\"\n";
    const struct {
        LayoutSettings settings;
        LayoutNames names;
    } cases[] = {
        {{"ru", "phonetic", debian, localed}, {"ru", "phonetic", "", ""}},
        {{"", std::nullopt, debian, localed}, {"de", "nodeadkeys", "pc105", ""}},
        {{std::nullopt, std::nullopt, "XKBMODEL=pc105\n", localed}, {"fr", "azerty", "", ""}},
        {{std::nullopt, std::nullopt, std::nullopt, "garbage\n\"Option\n"}, {"us", "", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseLayoutNames(c.settings).names, c.names) << c.names.layout;
    }
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

TEST(LockStateSource, SyncedDeviceThenPhysicalKeyboardsThenTheLastGiven) {
    const struct {
        bool syncs;
        std::optional<unsigned> physical;
        unsigned leds;
    } cases[] = {{true, led::CapsLock, led::NumLock}, {false, 0u, 0u}, {false, {}, led::NumLock}};
    for (const auto& c : cases) {
        FakeLedReader reader(c.syncs, c.physical);
        LockStateSource source(reader);
        EXPECT_EQ(source.leds(), c.leds);
        // The bounded wait happens once, at the first decision; later reads follow the source.
        reader.device = led::ScrollLock;
        if (reader.physical) reader.physical = led::ScrollLock;
        EXPECT_EQ(source.leds(), led::ScrollLock);
        EXPECT_EQ(reader.waits, std::vector<int>{kLedSyncWaitMs});
    }
}

}  // namespace
}  // namespace velloran::testing
