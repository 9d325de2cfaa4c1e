#pragma once
// Re-marking every row of a table against the devices that are present now.
#include "table/mapping_table.h"
#include "devices/device_inventory.h"

namespace velloran {

// Each row becomes active or inactive (colour and Description Tag) by the device rule.
void refresh_row_states(MappingTable& table, const DeviceInventory& devices);

}  // namespace velloran
