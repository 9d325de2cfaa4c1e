#include "maintenance/maintenance_common.h"

namespace velloran {

MappingTable* maintainedTable(EditorSession& session) {
    const Tab* tab = session.tabs.selected();
    if (tab == nullptr || tab->key == kBlankKey) return nullptr;
    return session.tables.find(tab->key);
}

std::optional<std::uint64_t> selectedRowId(const MappingTable& table) {
    if (table.selected < 0 || table.selected >= table.rowCount()) return std::nullopt;
    return table.row(table.selected).id;
}

void reselect(MappingTable& table, std::optional<std::uint64_t> id) {
    table.selected = id ? table.indexOfId(*id) : -1;
}

std::string countLine(int count, const char* what) {
    return std::to_string(count) + " " + what;
}

}  // namespace velloran
