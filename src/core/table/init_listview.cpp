#include "table/init_listview.h"

#include "table/default_rows.h"

namespace velloran {

TableControlEffects init_listview(TableDictionary& tables, std::uint32_t background, TableMode mode,
                                  std::string_view key, const MappingTable* source,
                                  const DeviceInventory& devices) {
    TableControlEffects effects;
    MappingTable& table =
        mode == TableMode::Template ? tables.registerTemplate(key) : tables.getOrCreate(key);
    switch (mode) {
        case TableMode::Template:
            effects.comDel = effects.comRec = effects.comSwap = effects.comTest = false;
            effects.tabStrip1 = false;
            effects.clearRecordingAndTesting = true;
            break;
        case TableMode::Empty:
            break;
        case TableMode::FromDevices: {
            for (const ButtonEntry& button : devices.buttons) {
                table.append(defaultRow(button, background));
            }
            const bool anyDevice = !devices.empty();
            effects.comDel = effects.comRec = true;
            effects.comSwap = effects.comTest = anyDevice;
            effects.tabStrip1 = true;
            break;
        }
        case TableMode::Clone:
            // A table cloned into its own key was emptied above and so stays empty.
            if (source != nullptr) {
                for (const MappingRow& row : source->rows()) table.append(cloneRow(row));
            }
            break;
    }
    effects.shownIndex = *tables.indexOf(key);
    table.background = background;
    table.enabled = effects.shownIndex != TableDictionary::kTemplateIndex;
    return effects;
}

}  // namespace velloran
