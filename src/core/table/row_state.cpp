#include "table/row_state.h"

#include "base/ascii_text.h"

namespace velloran {

bool sameIdentity(std::string_view a, std::string_view b) {
    return equalsIgnoreCase(a, b);
}

void markRowState(MappingRow& row, const DeviceInventory& devices) {
    row.colour = colour::InactiveRow;
    Tag& active = row.cell(col::Description).tag;
    active = Tag::boolean(false);
    const std::string identity = row.cell(col::DeviceId).tag.toText();
    const auto button = parseNumber(row.text);
    for (const auto& d : devices.devices) {
        if (!sameIdentity(d.identity, identity)) continue;
        const bool within = button && *button <= d.buttonCount;
        row.colour = within ? colour::ActiveRow : colour::InactiveRow;
        active = Tag::boolean(within);
    }
}

}  // namespace velloran
