#include "table/mapping_table.h"

namespace velloran {

MappingRow& MappingTable::append(MappingRow row) {
    row.id = nextId_++;
    rows_.push_back(std::move(row));
    return rows_.back();
}

MappingRow& MappingTable::insert(int at, MappingRow row) {
    row.id = nextId_++;
    auto pos = rows_.begin() + at;
    return *rows_.insert(pos, std::move(row));
}

int MappingTable::indexOfId(std::uint64_t id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace velloran
