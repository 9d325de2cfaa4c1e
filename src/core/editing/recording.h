#pragma once
// Record mode: while it is on, every named key the user types becomes the Key step of the
// current step column in the selected row. The column is chosen with the mouse; it never
// advances by itself, so a second key replaces the first.
#include <cstdint>
#include <string>

#include "base/message_box.h"
#include "keys/kb_decode.h"
#include "editing/table_editing.h"

namespace velloran {

// Shown when the keyboard guard is in place.
Message keyboardGuardActiveMessage();
// Shown when it could not be installed; recording goes on without it.
Message keyboardGuardFailureMessage(int errorNumber);

// Switches record mode. On: flag and picture "rec_on", the click handler (recording colour, the
// row's lock states to the keyboard), the table focused, the recording picture on the current
// step column's header, the keyboard guard installed. Off: flag and picture "rec_off", feedback
// cleared, no current column and every step header idle, the click handler (normal selection
// colour), the guard removed. Both end by refreshing the command states.
void Rec_Mappings(TableEditing t, MessageBoxes& boxes);

// The main window's preview of a key-down event: decoded while recording or testing.
void previewKeyDown(KeyDecodeHost& decoder, std::uint16_t keyCode, int shiftMask);

// Writes a decoded Key step into `column` of the table's selected row (text and Tag); nothing
// happens without a selected row or outside the step columns.
void writeRecordedStep(MappingTable& table, int column, const KeyStep& step);

}  // namespace velloran
