#pragma once
// A HID board read through the library. The boards of one detection share the record table the
// library filled; the table releases them (CloseDevices) once the last of its boards is gone.
#include <memory>
#include <vector>

#include "devices/hid_button_state.h"
#include "devices/hid_record.h"
#include "devices/input_device.h"
#include "hidlink/hidlink_library.h"

namespace velloran {

struct HidTable {
    explicit HidTable(std::shared_ptr<HidLinkLibrary> lib)
        : library(std::move(lib)), records(hid::kTableSize) {}
    ~HidTable();
    HidTable(const HidTable&) = delete;
    HidTable& operator=(const HidTable&) = delete;

    unsigned char* record(int index) {
        return records.data() + static_cast<std::size_t>(index) * hid::kRecordSize;
    }

    std::shared_ptr<HidLinkLibrary> library;
    short count = 0;
    std::vector<unsigned char> records;
};

class HidDevice : public InputDevice {
public:
    HidDevice(std::shared_ptr<HidTable> table, DetectedDevice info);

    const DetectedDevice& info() const override { return info_; }
    // Takes every state the library has queued, so a press and release between two passes both
    // arrive.
    ReadStatus read(std::vector<ButtonChange>& changes) override;
    bool pressed(int button) const override { return state_.pressed(button); }
    void acquire() override {}

private:
    std::shared_ptr<HidTable> table_;
    DetectedDevice info_;
    hid::ButtonState state_;
};

}  // namespace velloran
