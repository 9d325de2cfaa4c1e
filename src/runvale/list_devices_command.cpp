#include "list_devices_command.h"

#include "exit_status.h"
#include "loop/device_source.h"
#include "virtual_devices.h"

namespace velloran::runvale {

int listDevicesCommand(const std::string& virtualDevices, std::ostream& out, std::ostream& err) {
    auto sources = openDeviceSources(err);
    auto attached = attachVirtualDevices(virtualDevices);
    if (!attached) {
        err << attached.error().description << std::endl;
        return kExitFailed;
    }
    int index = 0;
    for (DeviceSource& source : sources) {
        for (const auto& device : source.backend->detect()) {
            const DetectedDevice& d = device->info();
            out << ++index << '\t' << (d.kind == DeviceKind::Hid ? "hid" : "joystick") << '\t'
                << d.buttonCount << '\t' << d.identity << '\t' << d.displayName << '\n';
        }
    }
    out.flush();
    return kExitOk;
}

}  // namespace velloran::runvale
