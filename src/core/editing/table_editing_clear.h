#pragma once
// "Clear Selected Item" and "Clear Entire Row" on the selected row of the current table.
#include "editing/table_editing.h"

namespace velloran {

// Empties the current step column's cell of the selected row (empty text and Tag), gives the
// table the focus and marks the configuration modified, also when no step column is current.
// An empty table is left alone.
void ComClearItem_Click(TableEditing t);

// Resets the selected row: flags and locks "Off", Multiplier "1X", Description text empty (its
// Tag, the active flag, stays), every Key step empty (empty text and Tag); recolours the table
// through the click handler and marks the configuration modified. An empty table or one without
// a selected row is left alone.
void ComClear_Click(TableEditing t);

}  // namespace velloran
