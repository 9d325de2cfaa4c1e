#include "maintenance/add_devices.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/version.h"
#include "table/default_rows.h"
#include "table/refresh_row_states.h"
#include "table/row_state.h"

namespace velloran {
namespace {

bool rowOfDevice(const MappingRow& row, const DetectedDevice& device) {
    return row.active() && sameIdentity(row.cell(col::DeviceId).tag.toText(), device.identity);
}

// The button number of an active row (its text converts, as the device rule checked).
int buttonNumber(const MappingRow& row) {
    return static_cast<int>(std::nearbyint(parseNumber(row.text).value_or(0)));
}

// The Button-table entry of the device's button; one made from the device when the table has
// none.
ButtonEntry buttonEntry(const DeviceInventory& devices, const DetectedDevice& device, int b) {
    for (const ButtonEntry& e : devices.buttons) {
        if (e.number == b && e.identifier == device.identity) return e;
    }
    return ButtonEntry{b, device.displayName, device.identity};
}

// Inserts the missing buttons of `device` when the table lists it; returns whether it does and
// counts the rows added.
bool addMissingButtons(MappingTable& table, const DeviceInventory& devices,
                       const DetectedDevice& device, int& added) {
    bool listed = false;
    int insertion = 0;  // 1-based row after which a missing button goes
    for (int b = 1; b <= device.buttonCount; ++b) {
        bool found = false;
        for (int r = 0; r < table.rowCount(); ++r) {
            const MappingRow& row = table.row(r);
            if (!rowOfDevice(row, device)) continue;
            listed = true;
            if (buttonNumber(row) == b) {
                found = true;
                insertion = r + 1;
            }
        }
        if (!listed || table.rowCount() == 0 || found) continue;
        insertion = std::min(insertion, table.rowCount()) + 1;
        table.insert(insertion - 1, defaultRow(buttonEntry(devices, device, b), colour::ActiveRow));
        ++added;
    }
    return listed;
}

}  // namespace

Message nothingToAddMessage() {
    const std::string crlf(kCrLf);
    return Message{
        Icon::Information, "Add Devices",
        "No input devices currently connected or detected." + crlf + crlf + "Nothing to add."};
}

Message addDevicesQuestion() {
    const std::string crlf(kCrLf);
    return Message{Icon::Question, kRemoveConfirmationTitle,
                   std::string(kProductName) + " will search for missing buttons / devices" + crlf +
                       "and update the configuration list." + crlf + crlf +
                       "Are you sure you want to proceed",
                   Buttons::YesNo};
}

Message listUpdatedReport(int missing, int newDevices) {
    return Message{Icon::Information, "List Updated",
                   countLine(missing, "missing item(s) added.") + std::string(kCrLf) +
                       countLine(newDevices, "new device(s) added.")};
}

MaintenanceOutcome Add_Devices(EditorSession& session, MessageBoxes& boxes) {
    const DeviceInventory& devices = session.devices;
    if (devices.empty()) {
        boxes.show(nothingToAddMessage());
        return {};
    }
    MappingTable* table = maintainedTable(session);
    if (table == nullptr) return {};
    if (boxes.showAsk(addDevicesQuestion()) != Answer::Yes) return {};

    const auto selected = selectedRowId(*table);
    refresh_row_states(*table, devices);
    int missing = 0;
    std::vector<bool> listed;
    for (const DetectedDevice& d : devices.devices) {
        listed.push_back(addMissingButtons(*table, devices, d, missing));
    }
    int newDevices = 0;
    for (std::size_t i = 0; i < devices.devices.size(); ++i) {
        const DetectedDevice& d = devices.devices[i];
        if (listed[i] || d.buttonCount < 2) continue;
        ++newDevices;
        for (int b = 1; b <= d.buttonCount; ++b) {
            table->append(defaultRow(buttonEntry(devices, d, b), colour::ActiveRow));
        }
    }
    reselect(*table, selected);

    boxes.show(listUpdatedReport(missing, newDevices));
    MaintenanceOutcome outcome{.tableChanged = true, .fitColumns = true};
    if (missing + newDevices > 0) {
        session.markChanged();
        outcome.commandStatesDue = true;
    }
    return outcome;
}

}  // namespace velloran
