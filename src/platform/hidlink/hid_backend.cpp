#include "hidlink/hid_backend.h"

#include <algorithm>
#include <span>

#include "devices/hid_record.h"
#include "hidlink/hid_device.h"

namespace velloran {

std::vector<std::unique_ptr<InputDevice>> HidBackend::detect() {
    std::vector<std::unique_ptr<InputDevice>> devices;
    if (!library_) return devices;
    // The boards of an earlier detection are released with their table once the caller has
    // dropped them, before this detection opens them again.
    auto table = std::make_shared<HidTable>(library_);
    short count = 0;
    const short found = library_->detectHid(&count, table->records.data());
    table->count = std::clamp<short>(count, 0, hid::kTableRecords);
    if (found == 0) return devices;
    const auto records = std::span(table->records).first<hid::kTableSize>();
    for (auto& info : hid::decodeTable(records, table->count)) {
        devices.push_back(std::make_unique<HidDevice>(table, std::move(info)));
    }
    return devices;
}

std::unique_ptr<DeviceBackend> makeHidBackend() {
    return std::make_unique<HidBackend>(loadHidLink());
}

}  // namespace velloran
