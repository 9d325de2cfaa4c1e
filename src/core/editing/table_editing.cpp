#include "editing/table_editing.h"

#include <cmath>

#include "keys/key_names.h"

namespace velloran {

namespace {

inline constexpr std::uint16_t kDeleteKey = 46;

bool onRow(const MappingTable& table, int row) {
    return row >= 0 && row < table.rowCount();
}

// The keyboard lock a lock column stands for.
std::uint16_t lockKeyOf(int subItem) {
    switch (subItem) {
        case col::NumLock:
            return vk::NumLock;
        case col::CapsLock:
            return vk::CapsLock;
        default:
            return vk::ScrollLock;
    }
}

// Twice the absolute integer part of the old value, back to 1 outside 1..8. A value that is not
// a number counts as 0: a file can only hold one by corruption, and 1X is a sane repair.
double nextMultiplier(const Tag& old) {
    const double doubled = 2 * std::abs(std::trunc(old.toNumber().value_or(0)));
    return doubled <= 0 || doubled > 8 ? 1 : doubled;
}

}  // namespace

void markCurrentStepHeader(TableEditing t, int subItem) {
    for (int header = kFirstStepHeader; header <= kLastStepHeader; ++header) {
        int image = header_image::Idle;
        if (header == subItem + 1) {
            image = t.recording ? header_image::Recording : header_image::Current;
        }
        t.state.stepHeaders.set(header, image);
    }
}

void ListView3_Click(TableEditing t) {
    MappingTable& table = t.table;
    if (table.rowCount() == 0) return;
    t.host.clearFeedback();
    const bool hasSelection = onRow(table, table.selected);
    if (hasSelection && table.row(table.selected).colour == colour::SelectedRow && !t.recording) {
        return;
    }

    for (MappingRow& row : table.rows()) {
        Cell& description = row.cell(col::Description);
        // A row whose active flag was never set counts as active.
        if (description.tag.isEmpty() ||
            (description.tag.isText() && description.tag.asText().empty())) {
            description.tag = Tag::boolean(true);
        }
        row.colour = row.active() ? colour::ActiveRow : colour::InactiveRow;
    }

    if (hasSelection) {
        MappingRow& selected = table.row(table.selected);
        if (t.recording) {
            selected.colour = colour::RecordingSelectedRow;
            // Keys are recorded under the lock states the row will have when it runs.
            for (const int column : {col::NumLock, col::CapsLock, col::ScrollLock}) {
                t.host.setLockKey(lockKeyOf(column), selected.flag(column));
            }
        } else {
            selected.colour = colour::SelectedRow;
        }
    }
    t.host.repaintTable();
}

void ListView3_MouseDown(TableEditing t, bool configurationOpen, MouseButton button, TableHit hit) {
    if (!configurationOpen || !onRow(t.table, hit.row)) return;
    t.table.selected = hit.row;
    if (button == MouseButton::Right) {
        t.host.showContextMenu();
    } else if (button == MouseButton::Left) {
        t.state.currentColumn = hit.subItem >= col::FirstPress ? hit.subItem : 0;
    }
}

void ListView3_MouseUp(TableEditing t, MouseButton button, TableHit hit) {
    t.state.lastMouseUp = hit;
    if (button != MouseButton::Left || !onRow(t.table, hit.row)) return;

    markCurrentStepHeader(t, hit.subItem);
    if (hit.subItem == col::Description) {
        t.state.editedRow = t.table.row(hit.row).id;
        t.host.openDescriptionEditor(hit.row);
    }
}

void ListView3_DblClick(TableEditing t) {
    if (t.testing) return;
    const TableHit hit = t.state.lastMouseUp;
    if (!onRow(t.table, hit.row)) return;
    t.table.selected = hit.row;
    MappingRow& row = t.table.row(hit.row);

    switch (hit.subItem) {
        case col::Repeat:
        case col::Rotary:
            row.setFlag(hit.subItem, !row.flag(hit.subItem));
            break;
        case col::Multiplier: {
            const double count = nextMultiplier(row.cell(col::Multiplier).tag);
            row.cell(col::Multiplier) = Cell{numberToText(count) + "X", Tag::number(count)};
            break;
        }
        case col::NumLock:
        case col::CapsLock:
        case col::ScrollLock: {
            const bool on = !row.flag(hit.subItem);
            row.setFlag(hit.subItem, on);
            if (t.recording) t.host.setLockKey(lockKeyOf(hit.subItem), on);
            break;
        }
        default:
            t.host.refreshCommandStates();
            return;
    }
    t.host.markModified();
}

void ListView3_KeyUp(TableEditing t, std::uint16_t keyCode) {
    if (keyCode == kDeleteKey && !t.recording) t.host.removeItems();
}

}  // namespace velloran
