#pragma once
// A Mapping table compiled for the detected devices: every text resolved into keys before a test
// starts, so that a poll pass only indexes tables.
#include <cstdint>
#include <span>
#include <vector>

#include "table/mapping_table.h"
#include "devices/device_inventory.h"
#include "keys/compiled_row.h"
#include "engine/button_map.h"

namespace velloran {

// The press row's settings besides its keys.
struct RowSettings {
    bool repeat = false;  // resend the press macro while held
    bool rotary = false;  // multiply fast presses; wins over repeat
    int multiplier = 1;   // 1, 2, 4 or 8
    // Lock states held while the row's macros run: 1 on, 0 off.
    int numLock = 0;
    int capsLock = 0;
    int scrollLock = 0;

    bool operator==(const RowSettings&) const = default;
};

struct CompiledMappings {
    // Indexed by row index; rows no button is mapped to stay empty.
    std::vector<CompiledRow> press;
    std::vector<CompiledRow> release;
    std::vector<RowSettings> settings;
    ButtonMap map;

    int rowCount() const { return static_cast<int>(press.size()); }
};

// Compiles `table` for `devices` (device index = position). Button b of a device gets the first
// row whose "Button No." text is b and whose "Device ID" Tag is the device's identity, ignoring
// case. That row's non-blank "On Press" cells become its press steps 1, 2, ... in column order,
// and its non-blank "On Release" cells its release steps.
CompiledMappings compileMappings(const MappingTable& table,
                                 std::span<const DetectedDevice> devices);

}  // namespace velloran
