#include <gtest/gtest.h>

#include "common/boxes.h"

#include "editing/recording.h"
#include "editing/recording_keyboard_guard.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

// The decoder's view of the editor: steps go into the table as the main window writes them, and
// the test output window is open and counts the lines it is given.
class TableDecodeHost : public KeyDecodeHost {
public:
    explicit TableDecodeHost(Desk& d) : desk(d) {}
    Desk& desk;
    int outputs = 0;

    bool testOutputVisible() const override { return true; }
    bool recording() const override { return desk.recording; }
    bool testing() const override { return desk.testing; }
    int currentColumn() const override { return desk.state.currentColumn; }
    std::string testOutputText() const override { return {}; }
    void clearFeedback() override {}
    void setTestOutput(std::string) override { ++outputs; }
    void writeStep(int column, const KeyStep& step) override {
        writeRecordedStep(desk.table, column, step);
    }
    void markModified() override {}
};

TEST(RecordMode, SwitchesTheGuardTheRowColourAndTheCurrentStepHeader) {
    const Message active{Icon::Information, "Keyboard Hook Active",
                         "CTRL + ESC, ALT + ESC and ALT + TAB are blocked."};
    const Message failed{Icon::None, "Velloran",
                         "Failed to install low-level keyboard hook - 1400"};
    const char* const on =
        "feedback, lock 144 off, lock 20 off, lock 145 off, repaint, focus, guard on, commands";
    struct Case {
        bool wasRecording;
        int column;
        std::optional<int> guardFailure;
        std::vector<Message> boxes;
        int header;  // the one step header with the recording picture afterwards (0: none)
        const char* log;
    };
    const Case cases[] = {
        {false, 0, {}, {active}, 0, on},
        {false, col::FirstPress, {}, {active}, 10, on},
        {false, 0, 1400, {failed}, 0, on},
        {true, col::LastStep, {}, {}, 0, "feedback, feedback, repaint, guard off, commands"},
    };
    for (const Case& c : cases) {
        Desk d(2);
        d.recording = c.wasRecording;
        d.state.recPicture = c.wasRecording ? kRecOnPicture : kRecOffPicture;
        d.state.currentColumn = c.column;
        if (c.wasRecording) d.state.stepHeaders.set(c.column + 1, header_image::Recording);
        d.host.guardFailure = c.guardFailure;
        d.table.selected = 1;
        d.table.row(1).colour = colour::RecordingSelectedRow;
        testing::ScriptedBoxes boxes;
        Rec_Mappings(d.editing(), boxes);
        EXPECT_EQ(d.recording, !c.wasRecording);
        EXPECT_EQ(d.state.recPicture, c.wasRecording ? "rec_off" : "rec_on");
        EXPECT_EQ(d.state.currentColumn, c.wasRecording ? 0 : c.column);
        EXPECT_EQ(d.table.row(1).colour,
                  c.wasRecording ? colour::SelectedRow : colour::RecordingSelectedRow);
        EXPECT_EQ(d.host.log, c.log);
        EXPECT_EQ(boxes.shown, c.boxes);
        for (int h = kFirstStepHeader; h <= kLastStepHeader; ++h) {
            EXPECT_EQ(d.state.stepHeaders.at(h),
                      h == c.header ? header_image::Recording : header_image::Idle);
        }
    }
}

TEST(Recording, KeysBecomeTheCurrentStepOfTheSelectedRowInRecordModeOnly) {
    const Cell blank{" ", Tag::text(" ")};
    struct Case {
        const char* name;
        bool recording, testing;
        int selected;
        Cell want;    // row 1's step 12 after typing A, then SHIFT + B
        int outputs;  // lines given to the test output window
    };
    const Case cases[] = {
        {"the last key is the step", true, false, 1, {"SHIFT + B", Tag::text("B")}, 0},
        {"no selected row", true, false, -1, blank, 0},
        {"a test lists the keys", false, true, 1, blank, 2},
        {"neither mode", false, false, 1, blank, 0},
    };
    for (const Case& c : cases) {
        Desk d(2);
        TableDecodeHost decoder(d);
        d.recording = c.recording;
        d.testing = c.testing;
        d.table.selected = c.selected;
        d.state.currentColumn = 12;
        previewKeyDown(decoder, 'A', 0);
        previewKeyDown(decoder, 'B', modifier::Shift);
        EXPECT_EQ(d.table.row(1).cell(12), c.want) << c.name;
        EXPECT_EQ(d.table.row(1).cell(13), blank) << c.name;
        EXPECT_EQ(decoder.outputs, c.outputs) << c.name;
    }
}

TEST(KeyboardGuard, BlocksWindowSwitchingDecodesNavigationAndPassesTheRest) {
    using A = GuardDecision::Action;
    struct Case {
        GuardKeyEvent event;  // key, SHIFT, CTRL, ALT
        GuardDecision want;
    };
    const Case cases[] = {
        {{27, true, true, true}, {A::Block, "CTRL + ESC blocked", 0}},
        {{9, true, true, true}, {A::Block, "ALT + TAB blocked", 0}},
        {{27, false, false, true}, {A::Block, "ALT + ESC blocked", 0}},
        {{27, true, false, false}, {}},
        {{9, false, true, false}, {A::Decode, {}, modifier::Ctrl}},
        {{36, true, true, true}, {A::Decode, {}, 7}},
        {{33}, {A::Decode, {}, 0}},
        {{40, true, false, false}, {A::Decode, {}, modifier::Shift}},
        {{32, false, false, true}, {}},  // either side of PAGE UP .. DOWN ARROW
        {{41}, {}},
        {{'A', false, true, true}, {}},
    };
    for (const Case& c : cases) {
        Desk d(2);
        TableDecodeHost decoder(d);
        d.recording = true;
        d.table.selected = 1;
        d.state.currentColumn = 30;
        EXPECT_EQ(guardKeyEvent(c.event, decoder), c.want) << c.event.virtualKey;
        EXPECT_EQ(d.table.row(1).cell(30).text != " ", c.want.action == A::Decode)
            << c.event.virtualKey;
    }
}

}  // namespace
}  // namespace velloran
