#include "devices/hid_record.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "file_format/cp1252.h"

namespace velloran::hid {

namespace {

constexpr std::size_t kIdCapacity = kIdLengthOffset - kIdOffset;
constexpr std::size_t kNameCapacity = kNameLengthOffset - kNameOffset;

std::int32_t int32At(Record r, std::size_t offset) {
    const auto u = static_cast<std::uint32_t>(r[offset]) |
                   static_cast<std::uint32_t>(r[offset + 1]) << 8 |
                   static_cast<std::uint32_t>(r[offset + 2]) << 16 |
                   static_cast<std::uint32_t>(r[offset + 3]) << 24;
    return static_cast<std::int32_t>(u);
}

std::int16_t int16At(Record r, std::size_t offset) {
    return static_cast<std::int16_t>(r[offset] | r[offset + 1] << 8);
}

// The first `length` bytes of the field, as far as they go and up to a NUL, decoded.
std::string textAt(Record r, std::size_t offset, std::size_t capacity, std::int64_t length) {
    const auto n = static_cast<std::size_t>(
        std::clamp<std::int64_t>(length, 0, static_cast<std::int64_t>(capacity)));
    std::string_view bytes(reinterpret_cast<const char*>(r.data() + offset), n);
    bytes = bytes.substr(0, bytes.find('\0'));
    return cp1252ToUtf8(bytes);
}

}  // namespace

std::optional<DetectedDevice> decodeRecord(Record record, int index) {
    const int buttons = int16At(record, kButtonsOffset);
    if (buttons <= 0) return std::nullopt;
    DetectedDevice d;
    d.kind = DeviceKind::Hid;
    d.buttonCount = std::min(buttons, kMaxButtons);
    // The suffix sits at the end of the field even when the length overstates it.
    const auto idLength = std::min<std::int64_t>(int32At(record, kIdLengthOffset), kIdCapacity);
    d.identity = textAt(record, kIdOffset, kIdCapacity, idLength - kIdSuffixLength);
    d.displayName = textAt(record, kNameOffset, kNameCapacity, int32At(record, kNameLengthOffset));
    d.hidIndex = index;
    return d;
}

std::vector<DetectedDevice> decodeTable(std::span<const unsigned char, kTableSize> table,
                                        int count) {
    std::vector<DetectedDevice> devices;
    for (int i = 0; i < std::clamp(count, 0, kTableRecords); ++i) {
        const auto record =
            table.subspan(static_cast<std::size_t>(i) * kRecordSize).first<kRecordSize>();
        if (auto d = decodeRecord(record, i)) devices.push_back(std::move(*d));
    }
    return devices;
}

}  // namespace velloran::hid
