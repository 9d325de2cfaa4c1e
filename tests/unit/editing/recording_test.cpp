#include <gtest/gtest.h>

#include "common/boxes.h"

#include "editing/recording.h"
#include "editing/recording_keyboard_guard.h"
#include "editing_fakes.h"

namespace velloran {
namespace {

using testing::Desk;
using Calls = std::vector<std::string>;

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

TEST(RecordMode, StartMarksTheStepHeaderAndStopResetsIt) {
    Desk d(2);
    d.table.selected = 1;
    d.host.guardFailure = 1400;
    testing::ScriptedBoxes boxes;
    Rec_Mappings(d.editing(), boxes);
    EXPECT_TRUE(d.state.recording) << "a guard failure is reported and recording goes on";
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{}) << "no step column current";
    EXPECT_EQ(d.table.row(1).colour, colour::RecordingSelectedRow);
    EXPECT_EQ(d.host.calls, (Calls{"feedback", "lock 144 off", "lock 20 off", "lock 145 off",
                                   "repaint", "focus", "guard on", "commands"}));
    EXPECT_EQ(boxes.shown.at(0).text, "Failed to install low-level keyboard hook - 1400");

    ListView3_MouseUp(d.editing(), MouseButton::Left, TableHit{0, 40});
    EXPECT_EQ(d.state.stepHeaders.at(41), header_image::Recording);
    d.host.calls.clear();
    Rec_Mappings(d.editing(), boxes);
    EXPECT_FALSE(d.state.recording);
    EXPECT_EQ(d.state.currentColumn, 0);
    EXPECT_EQ(d.state.stepHeaders, StepHeaderImages{});
    EXPECT_EQ(d.table.row(1).colour, colour::SelectedRow);
    EXPECT_EQ(d.host.count("guard off"), 1);
    EXPECT_EQ(boxes.shown.size(), 1u) << "stopping shows no box";
}

// Record mode on row 1, keys decoded into the table.
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

// Which columns and modes write is the decoder's rule; here, that the step lands in the row.
TEST(Recording, TheLastKeyTypedIsTheStepAndDeleteIsRecordedNotRemoveItems) {
    Recorder r(12);
    r.type('A');
    r.type('B', modifier::Shift);
    EXPECT_EQ(r.cell(12), (Cell{"SHIFT + B", Tag::text("B")}));
    r.d.state.currentColumn = 9;
    r.type(46);
    ListView3_KeyUp(r.d.editing(), 46);
    EXPECT_EQ(r.cell(9), (Cell{"DELETE", Tag::text("DELETE")}));
    EXPECT_EQ(r.d.host.count("remove"), 0);
    EXPECT_EQ(r.decoder.marks, 3);
    r.d.state.recording = false;
    r.type('A');
    EXPECT_EQ(r.decoder.marks, 3) << "keys are not decoded outside record and test mode";
}

TEST(KeyboardGuard, BlocksWindowSwitchingAndDecodesNavigationWithItsModifiers) {
    struct Case {
        GuardKeyEvent event;
        GuardDecision::Action action;
        const char* feedback;
        int mask;
    };
    using A = GuardDecision::Action;
    const Case cases[] = {
        {{27, false, true, false}, A::Block, "CTRL + ESC blocked", 0},
        {{9, true, true, true}, A::Block, "ALT + TAB blocked", 0},
        {{27, false, false, true}, A::Block, "ALT + ESC blocked", 0},
        {{9, false, false, false}, A::Decode, "", 0},
        {{36, true, false, true}, A::Decode, "", modifier::Shift | modifier::Alt},
        {{39, false, true, true}, A::Decode, "", modifier::Ctrl | modifier::Alt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyboardGuardDecision(c.event), (GuardDecision{c.action, c.feedback, c.mask}))
            << c.event.virtualKey;
    }
    for (const GuardKeyEvent e : {GuardKeyEvent{27, true, false, false}, GuardKeyEvent{46},
                                  GuardKeyEvent{'A', false, true, true}}) {
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
    EXPECT_FALSE(guardKeyEvent(GuardKeyEvent{'Q'}, r.decoder).swallowed());
    EXPECT_EQ(r.decoder.marks, 2);
}

}  // namespace
}  // namespace velloran
