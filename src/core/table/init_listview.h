#pragma once
// Creating, emptying, filling and cloning the Mapping table of a configuration. The model is
// changed here; what the window's controls should do is handed back for the window to apply.
#include <cstdint>
#include <optional>
#include <string_view>

#include "table/mapping_table.h"
#include "table/table_dictionary.h"
#include "devices/device_inventory.h"

namespace velloran {

enum class TableMode : std::int16_t {
    Template = 0,     // register the template table shown while nothing is open
    Empty = 1,        // an empty table the file reader fills
    FromDevices = 2,  // one default row per detected button (a new configuration)
    Clone = 4,        // a copy of the source table (a configuration taking a new key)
};

// What becomes of the window's controls. An empty optional leaves the control as it was.
struct TableControlEffects {
    std::optional<bool> comDel;
    std::optional<bool> comRec;
    std::optional<bool> comSwap;
    std::optional<bool> comTest;
    std::optional<bool> tabStrip1;
    bool clearRecordingAndTesting = false;  // the Tags of ComRec and ComTest become False
    int shownIndex = TableDictionary::kTemplateIndex;  // shown in front; every other is hidden
};

// No column is narrower than 1700 twips after auto-sizing or a resize.
inline constexpr int kMinColumnTwips = 1700;

// Gets the table of `key` ready for `mode`: its rows built, its background set to `background`
// and, unless it is the template, enabled. `source` is read by Clone only; without one the
// clone stays empty.
TableControlEffects init_listview(TableDictionary& tables, std::uint32_t background, TableMode mode,
                                  std::string_view key, const MappingTable* source,
                                  const DeviceInventory& devices);

}  // namespace velloran
