#include "live_test/window_engine_view.h"

#include "shell/main_window.h"

namespace velloran {

void WindowEngineView::setStatusPanel(int panel, std::string_view text) {
    EditorSession& session = window_.session();
    std::string& shown = panel == 2 ? session.statusPanel2 : session.statusPanel1;
    if (shown == text) return;
    shown = text;
    window_.controls().statusBar1->setPanelText(panel, QString::fromStdString(shown));
}

void WindowEngineView::setRowLook(int row, RowLook look) {
    MappingTable* table = window_.session().currentTable();
    if (!table || row < 0 || row >= table->rowCount()) return;
    applyRowLook(table->row(row), look);
    if (look == RowLook::Held) {
        window_.controls().listView3->scrollTo(window_.tableModel().index(row, 0));
    }
}

void WindowEngineView::clearFeedback() {
    window_.session().feedback.clear();
    window_.controls().text1->clear();
}

void WindowEngineView::refreshTable() {
    window_.tableModel().looksChanged();
}

}  // namespace velloran
