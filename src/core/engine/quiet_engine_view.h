#pragma once
// An engine view that shows nothing, for runs without a window: the runner and dry runs.
#include "engine/engine_view.h"

namespace velloran {

class QuietEngineView final : public EngineView {
public:
    void setStatusPanel(int, std::string_view) override {}
    void setRowLook(int, RowLook) override {}
    void clearFeedback() override {}
    void refreshTable() override {}
};

}  // namespace velloran
