#include "table/default_rows.h"

#include <string>

namespace velloran {

MappingRow defaultRow(const ButtonEntry& button, std::uint32_t rowColour) {
    MappingRow row;
    row.text = std::to_string(button.number);
    row.colour = rowColour;
    row.icon = 1;
    row.cell(col::DeviceId) = Cell{button.displayText, Tag::text(button.identifier)};
    row.setFlag(col::Repeat, false);
    row.setFlag(col::Rotary, false);
    row.cell(col::Multiplier) = Cell{"1X", Tag::number(1)};
    row.cell(col::Description) = Cell{" ", Tag::boolean(true)};
    row.setFlag(col::NumLock, false);
    row.setFlag(col::CapsLock, false);
    row.setFlag(col::ScrollLock, false);
    const std::string empty(kEmptyStep);
    for (int c = col::FirstPress; c <= col::LastStep; ++c) {
        row.cell(c) = Cell{empty, Tag::text(empty)};
    }
    return row;
}

MappingRow cloneRow(const MappingRow& source) {
    MappingRow row;
    row.text = source.text;
    row.colour = source.colour;
    row.icon = 1;
    row.sub = source.sub;
    row.cell(col::Description).tag = Tag::boolean(true);
    return row;
}

}  // namespace velloran
