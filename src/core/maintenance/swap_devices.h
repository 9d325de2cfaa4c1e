#pragma once
// Replace Device (Swap_Devices): gives every row of the selected row's device another detected
// device, chosen by the user.
#include <optional>

#include "base/message_box.h"
#include "session/editor_session.h"
#include "maintenance/maintenance_common.h"

namespace velloran {

// formReplace: offers the detected devices by display name, in detection order.
class DeviceChooser {
public:
    virtual ~DeviceChooser() = default;
    // The 0-based index of the chosen device, or nullopt when the user cancelled.
    virtual std::optional<int> chooseDevice(const DeviceInventory& devices) = 0;
};

// Checks that there are devices, buttons and rows, asks, lets the user choose the target and
// moves the rows whose "Device ID" Tag is exactly the selected row's (the first row's when none
// is selected) to it. Choosing the device the row already has, in any case of letters, changes
// nothing. The window sets its pointer back to the default afterwards.
MaintenanceOutcome Swap_Devices(EditorSession& session, MessageBoxes& boxes,
                                DeviceChooser& chooser);

Message noInputDevicesMessage();
Message noDeviceButtonsMessage();
Message noItemsToReplaceMessage();
Message replaceQuestion();
Message deviceReplacedReport(int replaced);

}  // namespace velloran
