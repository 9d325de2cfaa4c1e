#include <gtest/gtest.h>

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

    int outputSets = 0;
    std::vector<std::pair<int, KeyStep>> written;
    int modifiedMarks = 0;

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

// Keys without a name (modifiers alone, locks) make no step.
TEST(KbDecode, PrefixInModifierOrderAndNoStepWithoutAName) {
    for (const auto& [code, mask, text] :
         {std::tuple{65, modifier::Shift | modifier::Alt, "SHIFT + ALT + A"},
          {65, 7, "SHIFT + CTRL + ALT + A"},
          {17, 3, "SHIFT + CTRL + "},
          {144, 0, ""}}) {
        FakeHost host;
        EXPECT_EQ(KB_Decode(host, static_cast<std::uint16_t>(code), mask), text) << text;
        EXPECT_EQ(host.written.size(), std::string(text).ends_with(' ') || !*text ? 0u : 1u);
    }
}

TEST(KbDecode, WritesOnlyIntoStepColumnsButAlwaysMarksModified) {
    for (const int column :
         {col::FirstPress - 1, col::FirstPress, col::LastStep, col::LastStep + 1}) {
        FakeHost host;
        host.column = column;
        KB_Decode(host, 13, modifier::Ctrl);
        const bool step = column >= col::FirstPress && column <= col::LastStep;
        ASSERT_EQ(host.written.size(), step ? 1u : 0u) << column;
        if (step) {
            EXPECT_EQ(host.written[0], (std::pair{column, KeyStep{"CTRL + ENTER", "ENTER"}}));
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
    host.isTesting = true;
    host.outputVisible = false;
    KB_Decode(host, 81, 0);
    EXPECT_EQ(host.outputSets, 3);
    EXPECT_EQ(host.modifiedMarks, 4) << "nothing is marked while testing";
}

}  // namespace
}  // namespace velloran
