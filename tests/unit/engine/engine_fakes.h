#pragma once
// The engine's view of a window, recording what it was told; the shared fakes the engine
// tests use.
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/devices.h"
#include "common/key_text.h"
#include "common/rows.h"
#include "engine/engine_view.h"

namespace velloran::testing {

class RecordingView : public EngineView {
public:
    void setStatusPanel(int panel, std::string_view text) override {
        (panel == 1 ? panel1 : panel2) = std::string(text);
    }
    void setRowLook(int row, RowLook look) override { looks.emplace_back(row, look); }
    void clearFeedback() override { ++feedbackClears; }
    void refreshTable() override { ++refreshes; }

    std::string panel1;
    std::string panel2;
    std::vector<std::pair<int, RowLook>> looks;
    int feedbackClears = 0;
    int refreshes = 0;
};

}  // namespace velloran::testing
