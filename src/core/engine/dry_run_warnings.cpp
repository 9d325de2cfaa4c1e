#include "engine/dry_run_warnings.h"

#include <algorithm>

#include "engine/device_slots.h"
#include "table/row_state.h"

namespace velloran {

std::vector<std::string> dryRunWarnings(const MappingTable& table, const DryRunScript& script) {
    const std::vector<DetectedDevice> mapped = mappedDevices(table);
    const auto among = [](const std::vector<DetectedDevice>& devices, const std::string& id) {
        return std::any_of(devices.begin(), devices.end(), [&](const DetectedDevice& d) {
            return sameIdentity(d.identity, id);
        });
    };
    std::vector<std::string> warnings;
    for (std::size_t i = 0; i < script.devices.size(); ++i) {
        const std::string& id = script.devices[i].identity;
        if (among(mapped, id)) continue;
        warnings.push_back("Warning: device " + std::to_string(i + 1) + " [" + id +
                           "] of the events matches no row of the configuration");
    }
    for (const DetectedDevice& d : mapped) {
        if (among(script.devices, d.identity)) continue;
        warnings.push_back("Warning: the configuration maps " + d.displayName + " [" +
                           d.identity + "], which no \"device\" line declares");
    }
    return warnings;
}

}  // namespace velloran
