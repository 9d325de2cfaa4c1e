#include "editing/table_sort.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/ascii_text.h"

namespace velloran {

namespace {

// Button numbers ascending; a row text that is not a number has no key and goes first.
void sortByButtonNumber(std::vector<MappingRow>& rows) {
    std::ranges::stable_sort(rows, [](const MappingRow& a, const MappingRow& b) {
        const std::optional<double> ka = parseNumber(a.text);
        const std::optional<double> kb = parseNumber(b.text);
        if (!kb) return false;
        return !ka || *ka < *kb;
    });
}

void sortByDeviceId(std::vector<MappingRow>& rows, bool descending) {
    std::ranges::stable_sort(rows, [descending](const MappingRow& a, const MappingRow& b) {
        const std::string_view ta = a.cell(col::DeviceId).text;
        const std::string_view tb = b.cell(col::DeviceId).text;
        return descending ? lessIgnoreCase(tb, ta) : lessIgnoreCase(ta, tb);
    });
}

}  // namespace

bool ListView3_ColumnClick(TableEditing t, int header) {
    if (header != kButtonNoHeader && header != kDeviceIdHeader) return false;
    MappingTable& table = t.table;
    const bool hadSelection = table.selected >= 0 && table.selected < table.rowCount();
    const std::uint64_t selectedId = hadSelection ? table.row(table.selected).id : 0;

    if (header == kButtonNoHeader) sortByButtonNumber(table.rows());
    table.sortColumn = col::DeviceId;
    table.sortDescending = !table.sortDescending;
    sortByDeviceId(table.rows(), table.sortDescending);

    if (hadSelection) table.selected = table.indexOfId(selectedId);
    t.host.markModified();
    return true;
}

}  // namespace velloran
