#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "keys/kb_decode.h"

namespace velloran {
namespace {

class FakeHost : public KeyDecodeHost {
public:
    bool outputVisible = false, isRecording = true, isTesting = false;
    int column = col::FirstPress;
    std::string output;
    int outputSets = 0, modifiedMarks = 0;
    std::vector<std::pair<int, KeyStep>> written;

    bool testOutputVisible() const override { return outputVisible; }
    bool recording() const override { return isRecording; }
    bool testing() const override { return isTesting; }
    int currentColumn() const override { return column; }
    std::string testOutputText() const override { return output; }
    void clearFeedback() override {}
    void setTestOutput(std::string text) override {
        ++outputSets;
        output = std::move(text);
    }
    void writeStep(int c, const KeyStep& step) override { written.emplace_back(c, step); }
    void markModified() override { ++modifiedMarks; }
};

// Keys without a name (modifiers alone, locks) make no step; only step columns take one, but the
// configuration is marked modified wherever the cursor is.
TEST(KbDecode, PrefixInModifierOrderIntoStepColumnsOnly) {
    struct Case {
        int code, mask, column;
        const char* text;
        const char* step;  // the key name written with the text, or nothing written
    };
    const Case cases[] = {
        {65, modifier::Shift | modifier::Alt, col::FirstPress, "SHIFT + ALT + A", "A"},
        {13, 7, col::LastStep, "SHIFT + CTRL + ALT + ENTER", "ENTER"},
        {17, 3, col::FirstPress, "SHIFT + CTRL + ", nullptr},
        {144, 0, col::FirstPress, "", nullptr},
        {65, modifier::Ctrl, col::FirstPress - 1, "CTRL + A", nullptr},
        {65, modifier::Ctrl, col::LastStep + 1, "CTRL + A", nullptr},
    };
    for (const Case& c : cases) {
        FakeHost host;
        host.column = c.column;
        EXPECT_EQ(KB_Decode(host, static_cast<std::uint16_t>(c.code), c.mask), c.text);
        std::vector<std::pair<int, KeyStep>> steps;
        if (c.step) steps.emplace_back(c.column, KeyStep{c.text, c.step});
        EXPECT_EQ(host.written, steps) << c.text;
        const std::string_view text = c.text;
        EXPECT_EQ(host.modifiedMarks, text.empty() || text.ends_with(' ') ? 0 : 1) << c.text;
    }
}

TEST(KbDecode, TestOutputListsKeysUnlessRecording) {
    FakeHost host;
    host.outputVisible = true;
    host.isRecording = false;
    KB_Decode(host, 81, 0);
    KB_Decode(host, 37, modifier::Alt);
    KB_Decode(host, 16, modifier::Shift);  // no name: not listed
    KB_Decode(host, 108, modifier::Shift | modifier::Ctrl);
    EXPECT_EQ(host.output, "Q\r\nALT + LEFT ARROW\r\nSHIFT + CTRL + NUMPAD ENTER");
    EXPECT_EQ(host.outputSets, 3);

    host.isRecording = true;
    KB_Decode(host, 81, 0);
    host.isRecording = false;
    host.isTesting = true;
    host.outputVisible = false;
    KB_Decode(host, 81, 0);
    EXPECT_EQ(host.outputSets, 3);
    EXPECT_EQ(host.modifiedMarks, 4) << "nothing is marked while testing";
}

}  // namespace
}  // namespace velloran
