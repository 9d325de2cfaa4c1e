#pragma once
// Sorting the Mapping table by a click on the "Button No." or "Device ID" header.
#include "editing/table_editing.h"

namespace velloran {

// Header numbers (1-based, header k shows column k - 1).
inline constexpr int kButtonNoHeader = 1;
inline constexpr int kDeviceIdHeader = 2;

// A click on header 2 sorts the rows by "Device ID" text (without regard to case), descending
// when the last sort was ascending and ascending otherwise; a click on header 1 first orders the
// rows by button number, so that equal devices keep their buttons in order. The sort is stable,
// the selected row stays selected and the configuration is marked modified. Other headers do
// nothing. True when the rows were sorted.
bool ListView3_ColumnClick(TableEditing t, int header);

}  // namespace velloran
