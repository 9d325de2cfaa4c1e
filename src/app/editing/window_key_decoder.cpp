#include "editing/window_key_decoder.h"

#include "editing/recording.h"
#include "editing/table_events.h"
#include "shell/main_window.h"

namespace velloran {

void WindowKeyDecoder::previewKeyDown(std::uint16_t keyCode, int shiftMask) {
    velloran::previewKeyDown(*this, keyCode, shiftMask);
    showChanges();
}

void WindowKeyDecoder::testOutputKeyDown(std::uint16_t keyCode, int shiftMask) {
    KB_Decode(*this, keyCode, shiftMask);
    showChanges();
}

void WindowKeyDecoder::showChanges() {
    window_.showSession(MainWindow::TableChange::None);
}

bool WindowKeyDecoder::testOutputVisible() const {
    return form_ && form_->isVisible();
}

bool WindowKeyDecoder::recording() const {
    return window_.session().recording;
}

bool WindowKeyDecoder::testing() const {
    return window_.session().testing;
}

int WindowKeyDecoder::currentColumn() const {
    return window_.tableEvents().state().currentColumn;
}

std::string WindowKeyDecoder::testOutputText() const {
    return form_ ? form_->text() : std::string();
}

void WindowKeyDecoder::clearFeedback() {
    window_.session().feedback.clear();
}

void WindowKeyDecoder::setTestOutput(std::string text) {
    if (form_) form_->setText(std::move(text));
}

void WindowKeyDecoder::writeStep(int column, const KeyStep& step) {
    MappingTable* table = window_.session().currentTable();
    if (!table) return;
    writeRecordedStep(*table, column, step);
    window_.tableModel().rowsChanged(table->selected, table->selected);
}

void WindowKeyDecoder::markModified() {
    window_.session().markChanged();
    window_.Set_Button_States();
}

}  // namespace velloran
