#include "maintenance/swap_devices.h"

#include <string>

#include "table/row_state.h"

namespace velloran {
namespace {

constexpr const char* kNoDevicesTitle = "No Input Devices Found";

// The row whose device is replaced. A list view always has a selected item once it holds
// rows, the first one until the user picks another.
const MappingRow& sourceRow(const MappingTable& table) {
    const bool valid = table.selected >= 0 && table.selected < table.rowCount();
    return table.row(valid ? table.selected : 0);
}

int replaceDevice(MappingTable& table, const std::string& source, const DetectedDevice& target) {
    int replaced = 0;
    for (MappingRow& row : table.rows()) {
        if (row.cell(col::DeviceId).tag.toText() != source) continue;
        row.cell(col::DeviceId) = Cell{target.displayName, Tag::text(target.identity)};
        row.colour = colour::ActiveRow;
        row.cell(col::Description).tag = Tag::boolean(true);
        ++replaced;
    }
    return replaced;
}

}  // namespace

Message noInputDevicesMessage() {
    const std::string crlf(kCrLf);
    return Message{Icon::Exclamation, kNoDevicesTitle,
                   "No valid input devices were found!" + crlf + crlf +
                       "Your input devices must be properly connected" + crlf +
                       "and working before proceeding."};
}

Message noDeviceButtonsMessage() {
    const std::string crlf(kCrLf);
    return Message{Icon::Exclamation, kNoDevicesTitle,
                   "No buttons found on input device(s)!" + crlf + crlf +
                       "Your device(s) must have at least one button" + crlf +
                       "before proceeding."};
}

Message noItemsToReplaceMessage() {
    return Message{Icon::Exclamation, "Replace Error", "No items to replace."};
}

Message replaceQuestion() {
    const std::string crlf(kCrLf);
    return Message{Icon::Question, "Replace Confirmation",
                   "Warning! Replacing devices may result in duplicate entries." + crlf + crlf +
                       "Are you sure you want to proceed",
                   Buttons::YesNo};
}

Message deviceReplacedReport(int replaced) {
    return Message{Icon::Information, "Device Replaced", countLine(replaced, "item(s) replaced.")};
}

MaintenanceOutcome Swap_Devices(EditorSession& session, MessageBoxes& boxes,
                                DeviceChooser& chooser) {
    MappingTable* table = maintainedTable(session);
    if (table == nullptr) return {};
    const DeviceInventory& devices = session.devices;
    if (devices.empty()) {
        boxes.show(noInputDevicesMessage());
        return {};
    }
    if (devices.buttons.empty()) {
        boxes.show(noDeviceButtonsMessage());
        return {};
    }
    if (table->rowCount() == 0) {
        boxes.show(noItemsToReplaceMessage());
        return {};
    }
    if (boxes.showAsk(replaceQuestion()) != Answer::Yes) return {};
    const std::optional<int> choice = chooser.chooseDevice(devices);
    if (!choice || *choice < 0 || *choice >= static_cast<int>(devices.devices.size())) return {};

    const std::string source = sourceRow(*table).cell(col::DeviceId).tag.toText();
    const DetectedDevice& target = devices.devices[static_cast<std::size_t>(*choice)];
    if (sameIdentity(source, target.identity)) {
        boxes.show(deviceReplacedReport(0));
        return {};
    }
    const int replaced = replaceDevice(*table, source, target);
    MaintenanceOutcome outcome{.tableChanged = replaced > 0, .commandStatesDue = replaced > 0};
    if (replaced > 0) session.markChanged();
    boxes.show(deviceReplacedReport(replaced));
    return outcome;
}

}  // namespace velloran
