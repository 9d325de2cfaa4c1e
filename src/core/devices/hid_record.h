#pragma once
// The HID board library's device table as the program reads it: 129 records of 844 bytes, of
// which only the button count, the identifier and the name matter here.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "devices/device_inventory.h"

namespace velloran::hid {

inline constexpr int kTableRecords = 129;
inline constexpr std::size_t kRecordSize = 844;
inline constexpr std::size_t kTableSize = kTableRecords * kRecordSize;
inline constexpr std::size_t kStateSize = 513;  // the read buffer
inline constexpr int kMaxButtons = 512;         // state bytes 0..511

inline constexpr std::size_t kButtonsOffset = 4;
inline constexpr std::size_t kIdOffset = 43;
inline constexpr std::size_t kIdLengthOffset = 300;
inline constexpr std::size_t kNameOffset = 304;
inline constexpr std::size_t kNameLengthOffset = 560;
// The library appends this many characters to the identifier; they are not part of the identity.
inline constexpr int kIdSuffixLength = 5;

using Record = std::span<const unsigned char, kRecordSize>;

// The device described by record `index`, or nothing when the record has no buttons. Lengths are
// clamped to their fields, the texts end early at a NUL byte, and the bytes are Windows-1252.
// Boards with more buttons than the read buffer holds keep the first 512.
std::optional<DetectedDevice> decodeRecord(Record record, int index);

// The devices of the first `count` records of `table`, in record order, skipping those without
// buttons.
std::vector<DetectedDevice> decodeTable(std::span<const unsigned char, kTableSize> table,
                                        int count);

}  // namespace velloran::hid
