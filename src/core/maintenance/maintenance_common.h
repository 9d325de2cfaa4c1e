#pragma once
// What the three list-maintenance commands share: the table they work on, keeping the selected
// row across insertions and removals, and what they leave for the window to do.
#include <cstdint>
#include <optional>
#include <string>

#include "session/editor_session.h"

namespace velloran {

// What the window does after a maintenance command.
struct MaintenanceOutcome {
    bool tableChanged = false;      // rows or their look changed: reload the table's model
    bool fitColumns = false;        // fit the columns to header and content again
    bool commandStatesDue = false;  // run Set_Button_States

    bool operator==(const MaintenanceOutcome&) const = default;
};

// The title of the questions of Remove Items and Add Devices.
inline constexpr const char* kRemoveConfirmationTitle = "Remove Confirmation";

// The table of the configuration in the selected tab, or nullptr while no configuration is open
// (the placeholder tab "BLANK" is selected).
MappingTable* maintainedTable(EditorSession& session);

// The identity of the selected row, so the selection can follow the row when others move.
std::optional<std::uint64_t> selectedRowId(const MappingTable& table);
void reselect(MappingTable& table, std::optional<std::uint64_t> id);

// "<count> <what>": the counts of the reports.
std::string countLine(int count, const char* what);

}  // namespace velloran
