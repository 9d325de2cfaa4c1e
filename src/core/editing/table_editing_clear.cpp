#include "editing/table_editing_clear.h"

namespace velloran {

namespace {

bool hasSelection(const MappingTable& table) {
    return table.selected >= 0 && table.selected < table.rowCount();
}

}  // namespace

void ComClearItem_Click(TableEditing t) {
    if (t.table.rowCount() == 0) return;
    if (isStepColumn(t.state.currentColumn) && hasSelection(t.table)) {
        t.table.row(t.table.selected).cell(t.state.currentColumn) = Cell{};
    }
    t.host.focusTable();
    t.host.markModified();
}

void ComClear_Click(TableEditing t) {
    if (!hasSelection(t.table)) return;
    const int index = t.table.selected;
    {
        MappingRow& row = t.table.row(index);
        row.setFlag(col::Repeat, false);
        row.setFlag(col::Rotary, false);
        row.cell(col::Multiplier) = Cell{"1X", Tag::number(1)};
        row.cell(col::Description).text.clear();
        for (const int lock : {col::NumLock, col::CapsLock, col::ScrollLock}) {
            row.setFlag(lock, false);
        }
    }
    // While recording this also switches the keyboard's locks off, as the row now wants.
    ListView3_Click(t);

    MappingRow& row = t.table.row(index);
    for (int step = col::FirstPress; step <= col::LastStep; ++step) row.cell(step) = Cell{};
    t.host.markModified();
}

}  // namespace velloran
