#pragma once
// The undo history of one configuration's Mapping table. It keeps whole snapshots of the rows:
// a table holds a few hundred rows at most, and a snapshot restores every kind of edit (cells,
// removed, added and reordered rows) by one rule.
#include <cstddef>
#include <optional>
#include <vector>

#include "table/mapping_table.h"

namespace velloran {

struct TableSnapshot {
    std::vector<MappingRow> rows;
    int selected = -1;
};

class TableHistory {
public:
    // Older steps are forgotten beyond this many, and beyond this many rows kept in all: a row
    // holds 40 cells, so a table of 100 rows keeps all 200 steps, one of 4,096 rows its last 4.
    static constexpr std::size_t kMaxSteps = 200;
    static constexpr std::size_t kMaxRowsKept = 20'000;

    // Starts from the table as it is, which counts as saved.
    explicit TableHistory(const MappingTable& table);

    // After an edit: when the rows differ from the last recorded ones, those become an undo step
    // and whatever could be redone is forgotten. False when nothing changed (an edit that wrote
    // nothing, row colours only).
    bool record(const MappingTable& table);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Puts the table back one step (rows and selected row); false when there is none.
    bool undo(MappingTable& table);
    bool redo(MappingTable& table);

    // The table as it is now is what its file holds.
    void markSaved(const MappingTable& table);
    // Whether the rows are those last saved (or read).
    bool atSaved() const { return saved_ == undo_.size(); }

private:
    void forgetOldest();
    bool step(MappingTable& table, std::vector<TableSnapshot>& from,
              std::vector<TableSnapshot>& to);

    std::vector<TableSnapshot> undo_;
    std::vector<TableSnapshot> redo_;
    TableSnapshot current_;
    // Number of undo steps at which the rows equal the saved ones; none once that state is gone.
    std::optional<std::size_t> saved_;
};

}  // namespace velloran
