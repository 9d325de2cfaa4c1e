#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "keys/kb_decode.h"

namespace velloran {
namespace {

class FakeHost : public KeyDecodeHost {
public:
    bool outputVisible = false;
    bool isRecording = true;
    bool isTesting = false;
    int column = col::FirstPress;
    std::string output;

    int feedbackClears = 0;
    int outputSets = 0;
    std::vector<std::pair<int, KeyStep>> written;
    int modifiedMarks = 0;

    bool testOutputVisible() const override { return outputVisible; }
    bool recording() const override { return isRecording; }
    bool testing() const override { return isTesting; }
    int currentColumn() const override { return column; }
    std::string testOutputText() const override { return output; }

    void clearFeedback() override { ++feedbackClears; }
    void setTestOutput(std::string text) override {
        ++outputSets;
        output = std::move(text);
    }
    void writeStep(int c, const KeyStep& step) override { written.emplace_back(c, step); }
    void markModified() override { ++modifiedMarks; }
};

TEST(KbDecode, PrefixFollowsEveryModifierMask) {
    const char* prefixes[8] = {
        "",       "SHIFT + ",       "CTRL + ",       "SHIFT + CTRL + ",
        "ALT + ", "SHIFT + ALT + ", "CTRL + ALT + ", "SHIFT + CTRL + ALT + "};
    for (int mask = 0; mask < 8; ++mask) {
        FakeHost host;
        const std::string want = std::string(prefixes[mask]) + "A";
        EXPECT_EQ(KB_Decode(host, 65, mask), want) << mask;
        ASSERT_EQ(host.written.size(), 1u) << mask;
        EXPECT_EQ(host.written[0].second, (KeyStep{want, "A"})) << mask;
        EXPECT_EQ(modifierPrefix(mask), prefixes[mask]) << mask;
    }
}

TEST(KbDecode, KeysWithoutANameMakeNoStep) {
    struct Case {
        std::uint16_t code;
        int mask;
        const char* text;
    };
    for (const Case c : {Case{16, 1, "SHIFT + "}, Case{17, 2, "CTRL + "}, Case{18, 4, "ALT + "},
                         Case{17, 3, "SHIFT + CTRL + "}, Case{20, 0, ""}, Case{144, 0, ""},
                         Case{91, 0, ""}, Case{44, 0, ""}}) {
        FakeHost host;
        host.outputVisible = true;
        host.isRecording = false;
        EXPECT_EQ(KB_Decode(host, c.code, c.mask), c.text) << c.code;
        EXPECT_EQ(host.feedbackClears, 1) << c.code;
        EXPECT_TRUE(host.written.empty()) << c.code;
        EXPECT_EQ(host.outputSets, 0) << c.code;
        EXPECT_EQ(host.modifiedMarks, 0) << c.code;
    }
}

TEST(KbDecode, WritesOnlyIntoStepColumnsButAlwaysMarksModified) {
    for (int column = 0; column <= col::LastStep + 1; ++column) {
        FakeHost host;
        host.column = column;
        KB_Decode(host, 13, modifier::Ctrl);
        const bool step = column >= 9 && column <= 40;
        ASSERT_EQ(host.written.size(), step ? 1u : 0u) << column;
        if (step) {
            EXPECT_EQ(host.written[0].first, column);
            EXPECT_EQ(host.written[0].second, (KeyStep{"CTRL + ENTER", "ENTER"}));
        }
        EXPECT_EQ(host.modifiedMarks, 1) << column;
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
    EXPECT_EQ(host.outputSets, 3);

    host.isRecording = false;
    host.outputVisible = false;
    KB_Decode(host, 81, 0);
    EXPECT_EQ(host.outputSets, 3);
}

}  // namespace
}  // namespace velloran
