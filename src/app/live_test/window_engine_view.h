#pragma once
// What a running test shows in the main window. A pass runs every 10 ms, so each change goes
// straight to the control it concerns (and to the session, which the window draws from) instead
// of redrawing the whole window.
#include "engine/engine_view.h"

namespace velloran {

class MainWindow;

class WindowEngineView final : public EngineView {
public:
    explicit WindowEngineView(MainWindow& window) : window_(window) {}

    void setStatusPanel(int panel, std::string_view text) override;
    void setRowLook(int row, RowLook look) override;
    void clearFeedback() override;
    void refreshTable() override;

private:
    MainWindow& window_;
};

}  // namespace velloran
