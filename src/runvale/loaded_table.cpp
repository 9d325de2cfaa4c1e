#include "loaded_table.h"

#include "file_format/configuration_file.h"
#include "devices/device_inventory.h"

namespace velloran::runvale {

std::string messageLine(const Message& box) {
    std::string text;
    text.reserve(box.text.size());
    for (std::size_t i = 0; i < box.text.size(); ++i) {
        const char c = box.text[i];
        if (c == '\r' && i + 1 < box.text.size() && box.text[i + 1] == '\n') ++i;
        text += c == '\r' || c == '\n' ? ' ' : c;
    }
    return box.title + ": " + text;
}

std::optional<MappingTable> loadTable(FileSystem& fs, const std::string& path, std::ostream& log) {
    // Rows are marked against no devices: a run compiles every row whatever its mark.
    LoadedConfiguration loaded = loadConfiguration(fs, path, DeviceInventory{});
    for (const Message& m : loaded.messages) log << messageLine(m) << '\n';
    if (loaded.failure) {
        log << messageLine(loaded.failure->box) << std::endl;
        return std::nullopt;
    }
    MappingTable table;
    for (MappingRow& row : loaded.rows) table.append(std::move(row));
    return table;
}

}  // namespace velloran::runvale
