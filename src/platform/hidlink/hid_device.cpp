#include "hidlink/hid_device.h"

#include <array>

#include "hidlink.h"

namespace velloran {

static_assert(hid::kTableRecords == HIDLINK_MAX_DEVICES &&
              hid::kRecordSize == HIDLINK_RECORD_SIZE && hid::kStateSize == HIDLINK_STATE_SIZE &&
              hid::kMaxButtons == HIDLINK_MAX_BUTTONS);
static_assert(hid::kButtonsOffset == HIDLINK_OFFSET_BUTTONS &&
              hid::kIdOffset == HIDLINK_OFFSET_ID &&
              hid::kIdLengthOffset == HIDLINK_OFFSET_ID_LENGTH &&
              hid::kNameOffset == HIDLINK_OFFSET_NAME &&
              hid::kNameLengthOffset == HIDLINK_OFFSET_NAME_LENGTH &&
              hid::kIdSuffixLength == HIDLINK_ID_SUFFIX_LENGTH);

namespace {

// Bounds one read should a library never run out of states; the rest waits for the next pass.
constexpr int kMaxStatesPerRead = 1024;

}  // namespace

HidTable::~HidTable() {
    if (count > 0) library->closeDevices(count, records.data());
}

HidDevice::HidDevice(std::shared_ptr<HidTable> table, DetectedDevice info)
    : table_(std::move(table)), info_(std::move(info)), state_(info_.buttonCount) {}

ReadStatus HidDevice::read(std::vector<ButtonChange>& changes) {
    std::array<unsigned char, hid::kStateSize> buffer{};
    bool newData = false;
    for (int i = 0; i < kMaxStatesPerRead; ++i) {
        const int status =
            table_->library->readInputData(table_->record(info_.hidIndex), buffer.data());
        if (status == HIDLINK_NO_CHANGE) break;
        if (status == HIDLINK_READ_FAILURE) return ReadStatus::ReadFailure;
        if (status != HIDLINK_NEW_DATA) return ReadStatus::Gone;
        state_.apply(buffer, changes);
        newData = true;
    }
    return newData ? ReadStatus::NewData : ReadStatus::NoChange;
}

}  // namespace velloran
