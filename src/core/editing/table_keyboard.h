#pragma once
// The Mapping table from the keyboard, outside record mode and tests (there the keys are the
// recording's and the test's). The view works out which cell a navigation key reaches; these
// rules say what reaching or activating a cell does, so that a keyboard user gets exactly what
// the mouse gives.
#include "editing/table_editing.h"

namespace velloran {

// The keyboard's cell moved to `to`: its row is selected and a step column becomes the current
// column (any other column: none), with the header pictures a left click there leaves; the
// Description editor stays closed. False, and nothing changes, in record mode, during a test or
// beside every row.
bool ListView3_KeyMove(TableEditing t, TableHit to);

// Space or Enter on a cell (F2 as well): on a flag, lock or Multiplier cell what a double click
// does there, on "Description" its editor. Other cells, record mode and tests: nothing.
void ListView3_KeyActivate(TableEditing t, TableHit at);

// Shift+F10 or the Menu key: the context menu of the cell's row, as a right click there.
void ListView3_KeyMenu(TableEditing t, bool configurationOpen, TableHit at);

}  // namespace velloran
