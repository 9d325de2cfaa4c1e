#include "upgrade_command.h"

#include "file_format/configuration_file.h"
#include "devices/device_inventory.h"
#include "exit_status.h"
#include "loaded_table.h"

namespace velloran::runvale {

int upgradeCommand(FileSystem& fs, const std::string& in, const std::string& out,
                   std::ostream& err) {
    const LoadedConfiguration loaded = loadConfiguration(fs, in, DeviceInventory{});
    if (loaded.failure) {
        err << messageLine(loaded.failure->box) << '\n';
        return exitStatusFor(*loaded.failure);
    }
    if (const auto failure = saveConfiguration(fs, out, loaded.rows)) {
        err << messageLine(failure->box) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velloran::runvale
