#include "table/refresh_row_states.h"

#include "table/row_state.h"

namespace velloran {

void refresh_row_states(MappingTable& table, const DeviceInventory& devices) {
    for (MappingRow& row : table.rows()) markRowState(row, devices);
}

}  // namespace velloran
