#pragma once
// Add Devices (Add_Devices): brings the current table up to date with the devices connected
// now. A device the table lists gets a default row for each button it has no row for, right
// after the row of the nearest lower button; a device it does not list is appended whole.
#include "base/message_box.h"
#include "session/editor_session.h"
#include "maintenance/maintenance_common.h"

namespace velloran {

// Asks first; re-marks every row, adds the missing rows and reports the counts. The window
// then fits the columns (every column at least kMinColumnTwips wide).
MaintenanceOutcome Add_Devices(EditorSession& session, MessageBoxes& boxes);

Message nothingToAddMessage();
Message addDevicesQuestion();
Message listUpdatedReport(int missing, int newDevices);

}  // namespace velloran
