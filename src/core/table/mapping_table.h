#pragma once
// A Mapping table: the rows of one open configuration, its look and its selection.
#include <cstdint>
#include <string>
#include <vector>

#include "table/mapping_row.h"

namespace velloran {

class MappingTable {
public:
    explicit MappingTable(std::uint32_t backgroundColour = colour::TableBackground)
        : background(backgroundColour) {}

    std::uint32_t background;
    bool enabled = true;
    int selected = -1;  // 0-based index of the selected row; -1 for none
    int sortColumn = 0;
    bool sortDescending = false;

    const std::vector<MappingRow>& rows() const { return rows_; }
    std::vector<MappingRow>& rows() { return rows_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    MappingRow& row(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    const MappingRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

    // Adds a row (at the end, or before position `at`), giving it a fresh identity.
    MappingRow& append(MappingRow row);
    MappingRow& insert(int at, MappingRow row);
    void clear() {
        rows_.clear();
        selected = -1;
    }
    // Index of the row with this identity, or -1.
    int indexOfId(std::uint64_t id) const;

private:
    std::vector<MappingRow> rows_;
    std::uint64_t nextId_ = 1;
};

}  // namespace velloran
