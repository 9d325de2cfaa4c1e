#include "editing/table_keyboard.h"

namespace velloran {
namespace {

bool keysAreTheTables(const TableEditing& t) {
    return !t.recording && !t.testing;
}

bool onRow(const MappingTable& table, int row) {
    return row >= 0 && row < table.rowCount();
}

}  // namespace

bool ListView3_KeyMove(TableEditing t, TableHit to) {
    if (!keysAreTheTables(t) || !onRow(t.table, to.row)) return false;
    ListView3_MouseDown(t, true, MouseButton::Left, to);
    markCurrentStepHeader(t, to.subItem);
    ListView3_Click(t);
    return true;
}

void ListView3_KeyActivate(TableEditing t, TableHit at) {
    if (!keysAreTheTables(t) || !onRow(t.table, at.row)) return;
    switch (at.subItem) {
        case col::Description:
            t.table.selected = at.row;
            t.state.editedRow = t.table.row(at.row).id;
            t.host.openDescriptionEditor(at.row);
            break;
        case col::Repeat:
        case col::Rotary:
        case col::Multiplier:
        case col::NumLock:
        case col::CapsLock:
        case col::ScrollLock:
            t.state.lastMouseUp = at;
            ListView3_DblClick(t);
            break;
        default:
            break;
    }
}

void ListView3_KeyMenu(TableEditing t, bool configurationOpen, TableHit at) {
    if (!keysAreTheTables(t)) return;
    ListView3_MouseDown(t, configurationOpen, MouseButton::Right, at);
}

}  // namespace velloran
