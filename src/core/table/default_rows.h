#pragma once
// The rows a new table starts with: one default row per button of the detected devices, or a
// copy of every row of the table being cloned.
#include <cstdint>

#include "table/mapping_row.h"
#include "devices/device_inventory.h"

namespace velloran {

// A fresh row for one Button-table entry: flags off, multiplier 1, no description, empty steps,
// marked active and drawn in `rowColour`.
MappingRow defaultRow(const ButtonEntry& button, std::uint32_t rowColour);

// A copy of `source` with the same texts, Tags and colour, marked active whatever the source
// said; the row shows the idle icon.
MappingRow cloneRow(const MappingRow& source);

}  // namespace velloran
