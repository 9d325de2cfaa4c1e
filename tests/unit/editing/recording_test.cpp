#include <gtest/gtest.h>

#include "common/boxes.h"

#include "editing/recording.h"
#include "editing/recording_keyboard_guard.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;

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
        StepHeaderImages headers;
        if (c.header != 0) headers.set(c.header, header_image::Recording);
        EXPECT_EQ(d.state.stepHeaders, headers);
    }
}

// The decoder's view of the editor: steps go into the desk's table, and the test output window
// is open and counts the lines it is given.
struct DecodeHost : KeyDecodeHost {
    explicit DecodeHost(Desk& desk) : d(desk) {}
    Desk& d;
    int outputs = 0;

    bool testOutputVisible() const override { return true; }
    bool recording() const override { return d.recording; }
    bool testing() const override { return d.testing; }
    int currentColumn() const override { return d.state.currentColumn; }
    std::string testOutputText() const override { return {}; }
    void clearFeedback() override {}
    void setTestOutput(std::string) override { ++outputs; }
    void writeStep(int c, const KeyStep& s) override { writeRecordedStep(d.table, c, s); }
    void markModified() override {}
};

// A key typed with step 30 current on row 1, selected unless the mode is 'N'.
TEST(RecordedKeys, TheGuardAndThePreviewDecodeKeysIntoTheCurrentStep) {
    using A = GuardDecision::Action;
    struct Case {
        bool guard;           // through the keyboard guard, else the main window's preview
        char mode;            // 'R' recording, 'N' recording without a selected row, 'T' testing
        GuardKeyEvent event;  // key, SHIFT, CTRL, ALT
        GuardDecision want;
        bool written;  // to step 30
        int outputs;   // lines given to the test output window
    };
    const Case cases[] = {
        {true, 'R', {27, true, true, true}, {A::Block, "CTRL + ESC blocked", 0}, false, 0},
        {true, 'R', {9, true, true, true}, {A::Block, "ALT + TAB blocked", 0}, false, 0},
        {true, 'R', {27, false, false, true}, {A::Block, "ALT + ESC blocked", 0}, false, 0},
        {true, 'R', {9, false, true, false}, {A::Decode, {}, modifier::Ctrl}, true, 0},
        {true, 'R', {33, true, true, true}, {A::Decode, {}, 7}, true, 0},
        {true, 'R', {40, true, false, false}, {A::Decode, {}, modifier::Shift}, true, 0},
        {true, 'R', {32, false, false, true}, {}, false, 0},  // either side of PAGE UP .. DOWN
        {true, 'R', {41}, {}, false, 0},
        {false, 'R', {'B'}, {}, true, 0},
        {false, 'N', {'B'}, {}, false, 0},
        {false, 'T', {'B'}, {}, false, 1},
        {false, ' ', {'B'}, {}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.event.virtualKey) + " " + c.mode);
        Desk d(2);
        DecodeHost decoder(d);
        d.recording = c.mode == 'R' || c.mode == 'N';
        d.testing = c.mode == 'T';
        d.table.selected = c.mode == 'N' ? -1 : 1;
        d.state.currentColumn = 30;
        if (c.guard) {
            EXPECT_EQ(guardKeyEvent(c.event, decoder), c.want);
        } else {
            previewKeyDown(decoder, c.event.virtualKey, 0);
        }
        EXPECT_EQ(d.table.row(1).cell(30).text != " ", c.written);
        EXPECT_EQ(decoder.outputs, c.outputs);
    }
    Desk d(1);
    d.table.selected = 0;
    writeRecordedStep(d.table, 12, KeyStep{"SHIFT + B", "B"});
    EXPECT_EQ(d.table.row(0).cell(12), (Cell{"SHIFT + B", Tag::text("B")}));
}

}  // namespace
}  // namespace velloran
