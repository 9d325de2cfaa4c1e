#include "history/table_history.h"

#include <algorithm>

namespace velloran {
namespace {

TableSnapshot snapshotOf(const MappingTable& table) {
    return TableSnapshot{table.rows(), table.selected};
}

// What an edit changes: the rows, their order and their cells. Row colours and icons follow the
// selection and a running test, which are no edits.
bool sameRows(const std::vector<MappingRow>& a, const std::vector<MappingRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const MappingRow& x, const MappingRow& y) {
                          return x.id == y.id && x.text == y.text && x.sub == y.sub;
                      });
}

}  // namespace

TableHistory::TableHistory(const MappingTable& table) : current_(snapshotOf(table)), saved_(0) {}

bool TableHistory::record(const MappingTable& table) {
    if (sameRows(current_.rows, table.rows())) {
        current_.selected = table.selected;
        return false;
    }
    // The saved rows lay among the forgotten redo steps: no undo reaches them any more.
    if (saved_ && *saved_ > undo_.size()) saved_.reset();
    redo_.clear();
    undo_.push_back(std::move(current_));
    current_ = snapshotOf(table);
    std::size_t rowsKept = 0;
    for (const TableSnapshot& s : undo_) rowsKept += s.rows.size();
    while (undo_.size() > 1 && (undo_.size() > kMaxSteps || rowsKept > kMaxRowsKept)) {
        rowsKept -= undo_.front().rows.size();
        forgetOldest();
    }
    return true;
}

void TableHistory::forgetOldest() {
    undo_.erase(undo_.begin());
    if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
}

bool TableHistory::undo(MappingTable& table) {
    return step(table, undo_, redo_);
}

bool TableHistory::redo(MappingTable& table) {
    return step(table, redo_, undo_);
}

bool TableHistory::step(MappingTable& table, std::vector<TableSnapshot>& from,
                        std::vector<TableSnapshot>& to) {
    if (from.empty()) return false;
    current_.selected = table.selected;
    to.push_back(std::move(current_));
    current_ = std::move(from.back());
    from.pop_back();
    table.rows() = current_.rows;
    table.selected = std::min(current_.selected, table.rowCount() - 1);
    return true;
}

void TableHistory::markSaved(const MappingTable& table) {
    // Rows that changed without an edit (a file read again) start a new history.
    if (!sameRows(current_.rows, table.rows())) {
        undo_.clear();
        redo_.clear();
        current_ = snapshotOf(table);
    }
    saved_ = undo_.size();
}

}  // namespace velloran
