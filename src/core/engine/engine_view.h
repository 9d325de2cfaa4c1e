#pragma once
// What a test shows while it runs: the status panels, the look of the rows whose buttons are held,
// the feedback line. The editor puts them on screen; the runner may ignore or log them.
#include <cstdint>
#include <string_view>

#include "table/mapping_row.h"

namespace velloran {

enum class RowLook { Idle, Held };

inline std::uint32_t rowColour(RowLook look) {
    return look == RowLook::Held ? colour::PressedRow : colour::ActiveRow;
}
// Image of the row icon list: 1 idle, 2 held.
inline int rowIcon(RowLook look) {
    return look == RowLook::Held ? 2 : 1;
}
inline void applyRowLook(MappingRow& row, RowLook look) {
    row.colour = rowColour(look);
    row.icon = rowIcon(look);
}

// Status panel texts of a test.
namespace status {
inline constexpr std::string_view kReadFailure = "Input Devices: Device Read Failure!";
inline constexpr std::string_view kAvailable = "Input Devices: Available";
inline constexpr std::string_view kDevicePrefix = "Input Devices: ";
inline constexpr std::string_view kBlank = " ";
}  // namespace status

class EngineView {
public:
    virtual ~EngineView() = default;
    // Panel 1 (device news) or 2 (the button held).
    virtual void setStatusPanel(int panel, std::string_view text) = 0;
    // The row (0-based table index) whose button went down or up. A held row is also scrolled
    // into view.
    virtual void setRowLook(int row, RowLook look) = 0;
    // Empties the main window's feedback line.
    virtual void clearFeedback() = 0;
    // Rows changed their look during the pass: redraw the table once.
    virtual void refreshTable() = 0;
};

}  // namespace velloran
