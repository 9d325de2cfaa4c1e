#pragma once
// Whether a row's device is present: the rule every load, refresh and maintenance pass applies.
#include <string_view>

#include "table/mapping_row.h"
#include "devices/device_inventory.h"

namespace velloran {

// Case-insensitive comparison of device identities (ASCII letters).
bool sameIdentity(std::string_view a, std::string_view b);

// Marks the row inactive (colour and Description Tag False), then active for every detected
// device whose identity matches the "Device ID" Tag and has at least the row's button number of
// buttons (inactive again for a matching device with fewer buttons).
void markRowState(MappingRow& row, const DeviceInventory& devices);

}  // namespace velloran
