#include "engine/follow_controller.h"

#include <vector>

#include "table/row_state.h"

namespace velloran {
namespace {

struct Press {
    const DetectedDevice* device = nullptr;
    int button = 0;
};

// Reads each device, acquiring the ones that lost their input; the last press read.
std::optional<Press> readPresses(const EngineDevices& devices) {
    for (DeviceBackend* backend : devices.backends) backend->beginPass();
    std::optional<Press> last;
    std::vector<ButtonChange> changes;
    for (InputDevice* device : devices.devices) {
        changes.clear();
        const ReadStatus status = device->read(changes);
        if (status == ReadStatus::NotAcquired) device->acquire();
        if (status != ReadStatus::NewData) continue;
        for (const ButtonChange& change : changes) {
            if (change.down) last = Press{&device->info(), change.button};
        }
    }
    return last;
}

}  // namespace

int rowOfButton(const MappingTable& table, const DetectedDevice& device, int button) {
    const std::string number = std::to_string(button);
    for (int r = 0; r < table.rowCount(); ++r) {
        const MappingRow& row = table.row(r);
        if (row.text == number && sameIdentity(row.cell(col::DeviceId).tag.toText(), device.identity))
            return r;
    }
    return -1;
}

void startFollowing(const EngineDevices& devices) {
    readPresses(devices);
}

std::optional<FollowedButton> followPass(const EngineDevices& devices, MappingTable& table) {
    const std::optional<Press> press = readPresses(devices);
    if (!press) return std::nullopt;
    const int row = rowOfButton(table, *press->device, press->button);
    if (row < 0) {
        return FollowedButton{-1, "Button " + std::to_string(press->button) + " of " +
                                      press->device->displayName +
                                      " has no row in this configuration."};
    }
    table.selected = row;
    return FollowedButton{row, {}};
}

}  // namespace velloran
