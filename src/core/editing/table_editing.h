#pragma once
// The Mapping table's mouse and keyboard handlers: row selection and colouring, the step column
// that receives recorded keys, the flag toggles of a double click and DELETE for "Remove Items".
// The view resolves every pointer position with its own hit test and forwards the result here;
// it discards the table's own key-down and key-press events, so typing never moves the selection.
#include <cstdint>

#include "table/mapping_table.h"
#include "editing/table_editing_host.h"
#include "editing/table_editing_state.h"

namespace velloran {

// What every handler works on: the editing state, the current configuration's table, the
// window around it and the editor's mode flags (the Tags of ComRec and ComTest). The editor
// session owns the flags: a rule that switches record mode writes them there, so the command
// states it refreshes already see the new mode.
struct TableEditing {
    TableEditingState& state;
    MappingTable& table;
    TableEditingHost& host;
    bool& recording;
    const bool& testing;
};

// The table's click handler, also run after record mode and list maintenance change the table.
// Recolours every row by its active flag (a Description Tag that is the empty text counts as
// active and becomes True) and the selected row as selected; while recording the selected row
// gets the recording colour and its Num, Caps and Scroll Lock states go to the keyboard, in that
// order. A repeated click on the selected row outside record mode changes nothing.
void ListView3_Click(TableEditing t);

// A press, only while a configuration is open: selects the hit row; the right button opens the
// context menu, the left one makes a step column the current column (any other column: none).
// A press beside every row does nothing.
void ListView3_MouseDown(TableEditing t, bool configurationOpen, MouseButton button, TableHit hit);

// A release: remembered for the double click. The left button on a row moves the current-column
// picture to the hit column's header (every other step header idle) and, on "Description", opens
// the Description editor for that row.
void ListView3_MouseUp(TableEditing t, MouseButton button, TableHit hit);

// The header of `subItem`'s column gets the current-column picture (recording or not), every
// other step header the idle one.
void markCurrentStepHeader(TableEditing t, int subItem);

// A double click acts on the last release's hit, except while testing: toggles "Repeat",
// "Rotary" and the lock columns (while recording the keyboard lock follows at once), cycles the
// "Multiplier" 1X, 2X, 4X, 8X and marks the configuration modified. Other columns change nothing
// and only refresh the command states.
void ListView3_DblClick(TableEditing t);

// DELETE released outside record mode runs "Remove Items"; while recording it is a key to record.
void ListView3_KeyUp(TableEditing t, std::uint16_t keyCode);

}  // namespace velloran
