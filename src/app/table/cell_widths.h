#pragma once
// The width each column's cells need, measured over a whole Mapping table.
#include <QFontMetrics>
#include <array>

#include "table/mapping_row.h"
#include "table/mapping_table.h"

namespace velloran {

using ColumnWidths = std::array<int, col::Count>;

struct CellMetrics {
    QFontMetrics font;
    int padding = 0;       // room around a cell's text
    int rowIconWidth = 0;  // the row icon and its gap, in column 0 only
};

// The widest cell of each column. Tables repeat few texts ("On", "Off", " "), so each distinct
// text is measured once.
ColumnWidths measureCellWidths(const MappingTable& table, const CellMetrics& metrics);

}  // namespace velloran
