#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/key_text.h"
#include "keys/kb_decode.h"
#include "keys/key_names.h"
#include "keys/key_step.h"
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
    // Names are exact; codes and scan codes without a key give nothing.
    for (const char* name : {"", "a", "f1", "F13", "NUM LOCK", " A", "numpad 1", "AB"}) {
        EXPECT_EQ(keyCodeOfName(name), 0) << '"' << name << '"';
    }
    for (const std::uint16_t code : std::initializer_list<std::uint16_t>{0, 44, 91, 124, 256}) {
        EXPECT_EQ(keyNameOfCode(code), "") << code;
        EXPECT_EQ(scanCodeOf(code), 0) << code;
    }
    for (const std::uint16_t scan : std::initializer_list<std::uint16_t>{0, 0x59, 0xE0, 0xFFFF}) {
        EXPECT_EQ(linuxKeyCodeOf(scan), 0) << scan;
    }
    EXPECT_EQ(linuxKeyCodeOf(0x58), 0x58);
}

// Each case decodes one step of a row whose steps are all full already and sends it: the
// modifiers of the text in the order SHIFT, CTRL, ALT, then the key of the name (never of the
// text), held for the rounded hold and released in reverse.
TEST(SendKey, ADecodedStepPressesModifiersThenTheNamedKeyAndReleasesInReverse) {
    const struct {
        const char *text, *name;
        int step;
        double hold;
        const char* want;
        double slept;  // 0: no wait at all
    } cases[] = {
        {"SHIFT + CTRL + X", "X", 16, 0.4, "+2A +1D +2D | -2D -1D -2A", 0},
        {"ALT + CTRL + SHIFT + F12", "F12", 2, 7.6, "+2A +1D +38 +58 | -58 -38 -1D -2A", 8},
        // PRINT SCREEN has no scan code and F13 no key: the modifiers are typed alone.
        {"SHIFT + ", "PRINT SCREEN", 1, 12.5, "+2A | -2A", 12},
        {"CTRL + ALT + F13", "F13", 1, 13.5, "+1D +38 | -38 -1D", 14},
        {"CTRL + Z", "X", 1, 0, "+1D +2D | -2D -1D", 0},
        {" ", " ", 1, 20, "", 0},
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
        const auto& b = out.batches();
        if (b.size() == 2) {
            EXPECT_NEAR((b[1].time - b[0].time) * 1000, c.slept, 1e-6) << c.hold;
        }
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
    bool testOutputVisible() const override { return visible; }
    bool recording() const override { return isRecording; }
    bool testing() const override { return isTesting; }
    int currentColumn() const override { return column; }
    std::string testOutputText() const override { return output; }
    void clearFeedback() override {}
    void setTestOutput(std::string text) override { output = std::move(text); }
    void writeStep(int c, const KeyStep& step) override { written.emplace_back(c, step); }
    void markModified() override { ++modifiedMarks; }

    bool visible = true, isRecording = false, isTesting = false;
    int column = col::FirstPress, modifiedMarks = 0;
    std::string output;
    std::vector<std::pair<int, KeyStep>> written;
};

// A named key, after its modifiers in the order SHIFT, CTRL, ALT, goes into the step column
// under the cursor and onto the test output; the configuration is marked modified wherever the
// cursor is. Keys without a name (modifiers alone, locks) do nothing.
TEST(KbDecode, NamedKeysGoToStepColumnsAndTheVisibleTestOutputUnlessRecording) {
    const struct {
        int code, mask, column;
        const char* text;
        const char* step;  // the key name written with the text, or nothing written
    } cases[] = {
        {65, modifier::Shift | modifier::Alt, col::FirstPress, "SHIFT + ALT + A", "A"},
        {13, 7, col::LastStep, "SHIFT + CTRL + ALT + ENTER", "ENTER"},
        {17, 3, col::FirstPress, "SHIFT + CTRL + ", nullptr},
        {144, 0, col::FirstPress, "", nullptr},
        {37, modifier::Ctrl, col::FirstPress - 1, "CTRL + LEFT ARROW", nullptr},
        {81, 0, col::LastStep + 1, "Q", nullptr},
    };
    FakeHost host;
    for (const auto& c : cases) {
        host.column = c.column;
        host.written.clear();
        const int marks = host.modifiedMarks;
        EXPECT_EQ(KB_Decode(host, static_cast<std::uint16_t>(c.code), c.mask), c.text);
        std::vector<std::pair<int, KeyStep>> steps;
        if (c.step) steps.emplace_back(c.column, KeyStep{c.text, c.step});
        EXPECT_EQ(host.written, steps) << c.text;
        const std::string_view text = c.text;
        EXPECT_EQ(host.modifiedMarks - marks, text.empty() || text.ends_with(' ') ? 0 : 1)
            << c.text;
    }
    const std::string listed =
        "SHIFT + ALT + A\r\nSHIFT + CTRL + ALT + ENTER\r\nCTRL + LEFT ARROW\r\nQ";
    EXPECT_EQ(host.output, listed);
    host.isRecording = true;  // lists nothing
    KB_Decode(host, 81, 0);
    host.isRecording = false;
    host.isTesting = true;  // marks nothing
    KB_Decode(host, 81, 0);
    host.visible = false;
    KB_Decode(host, 81, 0);
    EXPECT_EQ(host.output, listed + "\r\nQ");
    EXPECT_EQ(host.modifiedMarks, 5);
}

}  // namespace
}  // namespace velloran::testing
