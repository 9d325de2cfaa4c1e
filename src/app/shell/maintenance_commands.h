#pragma once
// The list-maintenance commands of the command buttons, the Mapping table's context menu and
// the table's DELETE key: Remove Items, Add Devices and Replace Device on the current table.
namespace velloran {

class MainWindow;

// The window draws the table again after each of them (the model reload also fits the
// columns); the command states are run when the rule asks for them.
void registerMaintenanceCommands(MainWindow& window);

}  // namespace velloran
