#include <gtest/gtest.h>

#include "common/boxes.h"

#include "editing_fakes.h"
#include "editing/recording.h"
#include "editing/recording_keyboard_guard.h"

namespace velloran {
namespace {

using testing::Desk;

// The decoder's view of an editor: writes go into the table as the main window would write them.
class TableDecodeHost : public KeyDecodeHost {
public:
    TableDecodeHost(TableEditingState& s, MappingTable& t) : state(s), table(t) {}
    TableEditingState& state;
    MappingTable& table;
    int marks = 0;

    bool testOutputVisible() const override { return false; }
    bool recording() const override { return state.recording; }
    bool testing() const override { return state.testing; }
    int currentColumn() const override { return state.currentColumn; }
    std::string testOutputText() const override { return {}; }
    void clearFeedback() override {}
    void setTestOutput(std::string) override {}
    void writeStep(int column, const KeyStep& step) override {
        writeRecordedStep(table, column, step);
    }
    void markModified() override { ++marks; }
};

TEST(RecordMode, StartingWithoutAStepColumnMarksNoHeader) {
    Desk d(2);
    d.table.selected = 1;
    testing::ScriptedBoxes boxes;
    Rec_Mappings(d.editing(), boxes);
    EXPECT_TRUE(d.state.recording);
    EXPECT_EQ(d.state.recPicture, "rec_on");
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{});
    EXPECT_EQ(d.table.row(1).colour, colour::RecordingSelectedRow);
    EXPECT_EQ(d.host.calls,
              (std::vector<std::string>{"feedback", "lock 144 off", "lock 20 off", "lock 145 off",
                                        "repaint", "focus", "guard on", "commands"}));
    EXPECT_EQ(boxes.looks(), std::vector{testing::ScriptedBoxes::look(Icon::Information,
                                                                      "Keyboard Hook Active")});
}

TEST(RecordMode, StartingOnAStepColumnMarksItsHeader) {
    Desk d(2);
    d.state.currentColumn = col::FirstPress;
    testing::ScriptedBoxes boxes;
    Rec_Mappings(d.editing(), boxes);
    EXPECT_EQ(d.state.stepHeaders.at(10), header_image::Recording);
    EXPECT_EQ(d.state.stepHeaders.at(11), header_image::Idle);
}

TEST(RecordMode, AGuardFailureIsReportedAndRecordingGoesOn) {
    Desk d(1);
    d.host.guardFailure = 1400;
    testing::ScriptedBoxes boxes;
    Rec_Mappings(d.editing(), boxes);
    EXPECT_TRUE(d.state.recording);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Failed to install low-level keyboard hook - 1400");
}

TEST(RecordMode, StoppingResetsColumnHeadersAndSelectionColour) {
    Desk d(2);
    d.table.selected = 0;
    d.state.currentColumn = 25;
    testing::ScriptedBoxes boxes;
    Rec_Mappings(d.editing(), boxes);
    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{0, 40});
    ASSERT_EQ(d.state.stepHeaders.at(41), header_image::Recording);
    d.host.calls.clear();

    Rec_Mappings(d.editing(), boxes);
    EXPECT_FALSE(d.state.recording);
    EXPECT_EQ(d.state.recPicture, "rec_off");
    EXPECT_EQ(d.state.currentColumn, 0);
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{});
    EXPECT_EQ(d.table.row(0).colour, colour::SelectedRow);
    EXPECT_EQ(d.host.calls.front(), "feedback");
    EXPECT_EQ(d.host.count("guard off"), 1);
    EXPECT_EQ(d.host.calls.back(), "commands");
    EXPECT_EQ(boxes.shown.size(), 1u);  // only the start's box
}

// Record mode on row 1 with `column` current, keys decoded into the table.
struct Recorder {
    Desk d{2};
    TableDecodeHost decoder{d.state, d.table};
    explicit Recorder(int column) {
        d.state.recording = true;
        d.table.selected = 1;
        d.state.currentColumn = column;
    }
    void type(std::uint16_t key, int mask = 0) { previewKeyDown(d.state, decoder, key, mask); }
    const Cell& cell(int column) const { return d.table.row(1).cell(column); }
};

TEST(Recording, TheLastKeyTypedIsTheCellsStep) {
    Recorder r(12);
    r.type('A');
    r.type('B', modifier::Shift);
    EXPECT_EQ(r.cell(12), (Cell{"SHIFT + B", Tag::text("B")}));
    EXPECT_EQ(r.cell(13), (Cell{" ", Tag::text(" ")}));
    EXPECT_EQ(r.decoder.marks, 2);
}

TEST(Recording, KeysOutsideAStepColumnWriteNothing) {
    Recorder r(0);
    const MappingRow before = r.d.table.row(1);
    r.type('A');
    r.d.state.currentColumn = col::Description;
    r.type('A');
    EXPECT_TRUE(r.d.table.row(1).sameContent(before));
    EXPECT_EQ(r.decoder.marks, 2);
}

TEST(Recording, DeleteIsRecordedNotRemoveItems) {
    Recorder r(9);
    r.type(46);
    ListView3_KeyUp(r.d.editing(), 46);
    EXPECT_EQ(r.cell(9), (Cell{"DELETE", Tag::text("DELETE")}));
    EXPECT_EQ(r.d.host.count("remove"), 0);
}

TEST(Recording, KeysAreNotDecodedOutsideRecordAndTestModes) {
    Recorder r(9);
    r.d.state.recording = false;
    r.type('A');
    EXPECT_EQ(r.decoder.marks, 0);
    r.d.state.testing = true;
    r.type('A');
    EXPECT_EQ(r.decoder.marks, 0);  // decoded, but nothing is written or marked while testing
    EXPECT_EQ(r.cell(9).text, " ");
}

TEST(KeyboardGuard, BlocksTheWindowSwitchingCombinations) {
    struct Case {
        GuardKeyEvent event;
        const char* feedback;
    };
    const Case cases[] = {
        {{27, false, true, false}, "CTRL + ESC blocked"},
        {{27, true, true, true}, "CTRL + ESC blocked"},
        {{9, false, false, true}, "ALT + TAB blocked"},
        {{9, true, true, true}, "ALT + TAB blocked"},
        {{27, false, false, true}, "ALT + ESC blocked"},
    };
    for (const Case& c : cases) {
        const GuardDecision d = keyboardGuardDecision(c.event);
        EXPECT_EQ(d.action, GuardDecision::Action::Block) << c.feedback;
        EXPECT_EQ(d.feedback, c.feedback);
        EXPECT_TRUE(d.swallowed());
    }
}

TEST(KeyboardGuard, HandsNavigationKeysToTheDecoderWithTheirModifiers) {
    for (const std::uint16_t key :
         std::initializer_list<std::uint16_t>{9, 36, 35, 33, 34, 38, 40, 37, 39}) {
        for (int mask = 0; mask < 8; ++mask) {
            if (key == 9 && (mask & modifier::Alt)) continue;  // ALT + TAB is blocked
            const GuardKeyEvent e{key, (mask & modifier::Shift) != 0, (mask & modifier::Ctrl) != 0,
                                  (mask & modifier::Alt) != 0};
            EXPECT_EQ(keyboardGuardDecision(e),
                      (GuardDecision{GuardDecision::Action::Decode, {}, mask}))
                << key << " " << mask;
        }
    }
}

TEST(KeyboardGuard, PassesEverythingElseOn) {
    for (const GuardKeyEvent e : {GuardKeyEvent{27, true, false, false}, GuardKeyEvent{27},
                                  GuardKeyEvent{46}, GuardKeyEvent{'A', false, true, true},
                                  GuardKeyEvent{18, false, false, true}, GuardKeyEvent{45}}) {
        EXPECT_FALSE(keyboardGuardDecision(e).swallowed()) << e.virtualKey;
    }
}

TEST(KeyboardGuard, NavigationKeyIsRecordedOnDownAndAgainOnUp) {
    Recorder r(30);
    const GuardKeyEvent tab{9, false, true, false};
    for (int event = 0; event < 2; ++event) {  // key-down, then key-up
        EXPECT_TRUE(guardKeyEvent(tab, r.decoder).swallowed());
        EXPECT_EQ(r.cell(30), (Cell{"CTRL + TAB", Tag::text("TAB")}));
    }
    EXPECT_EQ(r.decoder.marks, 2);

    EXPECT_FALSE(guardKeyEvent(GuardKeyEvent{'Q'}, r.decoder).swallowed());
    EXPECT_EQ(guardKeyEvent(GuardKeyEvent{9, false, false, true}, r.decoder).feedback,
              "ALT + TAB blocked");
    EXPECT_EQ(r.decoder.marks, 2);
}

}  // namespace
}  // namespace velloran
