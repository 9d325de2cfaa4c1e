#include "dump_command.h"

#include "file_format/configuration_file.h"
#include "configuration_json.h"
#include "devices/device_inventory.h"
#include "exit_status.h"

namespace velloran::runvale {

int dumpCommand(FileSystem& fs, const std::string& path, std::ostream& out) {
    const LoadedConfiguration loaded = loadConfiguration(fs, path, DeviceInventory{});
    writeLoadJson(loaded, out);
    out << '\n';
    out.flush();
    return loaded.failure ? exitStatusFor(*loaded.failure) : kExitOk;
}

}  // namespace velloran::runvale
