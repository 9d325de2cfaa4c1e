#include "editing/recording.h"

#include <string>

#include "base/version.h"

namespace velloran {

Message keyboardGuardActiveMessage() {
    return Message{Icon::Information, "Keyboard Hook Active",
                   "CTRL + ESC, ALT + ESC and ALT + TAB are blocked."};
}

Message keyboardGuardFailureMessage(int errorNumber) {
    // A box without title shows the program's name, and no icon.
    return Message{Icon::None, kProductName,
                   "Failed to install low-level keyboard hook - " + std::to_string(errorNumber)};
}

namespace {

void startRecording(TableEditing t, MessageBoxes& boxes) {
    t.recording = true;
    t.state.recPicture = kRecOnPicture;
    ListView3_Click(t);
    t.host.focusTable();
    if (isStepColumn(t.state.currentColumn)) {
        t.state.stepHeaders.set(t.state.currentColumn + 1, header_image::Recording);
    }
    if (const std::optional<int> failure = t.host.installKeyboardGuard()) {
        boxes.show(keyboardGuardFailureMessage(*failure));
    } else {
        boxes.show(keyboardGuardActiveMessage());
    }
}

void stopRecording(TableEditing t) {
    t.recording = false;
    t.state.recPicture = kRecOffPicture;
    t.host.clearFeedback();
    t.state.currentColumn = 0;
    t.state.stepHeaders.reset();
    ListView3_Click(t);
    t.host.removeKeyboardGuard();
}

}  // namespace

void Rec_Mappings(TableEditing t, MessageBoxes& boxes) {
    if (t.recording) {
        stopRecording(t);
    } else {
        startRecording(t, boxes);
    }
    t.host.refreshCommandStates();
}

void previewKeyDown(KeyDecodeHost& decoder, std::uint16_t keyCode, int shiftMask) {
    if (decoder.recording() || decoder.testing()) KB_Decode(decoder, keyCode, shiftMask);
}

void writeRecordedStep(MappingTable& table, int column, const KeyStep& step) {
    if (!isStepColumn(column) || table.selected < 0 || table.selected >= table.rowCount()) return;
    table.row(table.selected).cell(column) = Cell{step.text, Tag::text(step.name)};
}

}  // namespace velloran
