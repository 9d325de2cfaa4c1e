#include "record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cp1252_text.h"
#include "hidlink.h"

namespace hidlink {

namespace {

// The library's own part of a record.
constexpr std::size_t kMarkerOffset = 564;
constexpr std::size_t kHandleOffset = 568;
constexpr std::uint32_t kMarker = 0x4B4E4C48;  // "HLNK"

void putInt(unsigned char* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t getInt32(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// Copies at most `capacity` bytes of `text` and returns how many.
std::uint32_t putText(unsigned char* at, const std::string& text, std::size_t capacity) {
    const std::size_t n = std::min(text.size(), capacity);
    std::memcpy(at, text.data(), n);
    return static_cast<std::uint32_t>(n);
}

}  // namespace

unsigned char* recordAt(void* records, int index) {
    return static_cast<unsigned char*>(records) +
           static_cast<std::size_t>(index) * HIDLINK_RECORD_SIZE;
}

void writeRecord(unsigned char* record, const RecordText& text, std::uint32_t handle) {
    std::memset(record, 0, HIDLINK_RECORD_SIZE);
    const int buttons = std::clamp(text.buttons, 0, int{HIDLINK_MAX_BUTTONS});
    putInt(record + HIDLINK_OFFSET_BUTTONS, static_cast<std::uint32_t>(buttons), 2);

    char suffix[HIDLINK_ID_SUFFIX_LENGTH + 1];
    std::snprintf(suffix, sizeof suffix, "#%04X", static_cast<unsigned>(handle & 0xFFFF));
    const std::string id =
        toCp1252(text.identifier).substr(0, HIDLINK_ID_CAPACITY - HIDLINK_ID_SUFFIX_LENGTH) +
        suffix;
    putInt(record + HIDLINK_OFFSET_ID_LENGTH,
           putText(record + HIDLINK_OFFSET_ID, id, HIDLINK_ID_CAPACITY), 4);
    putInt(record + HIDLINK_OFFSET_NAME_LENGTH,
           putText(record + HIDLINK_OFFSET_NAME, toCp1252(text.name), HIDLINK_NAME_CAPACITY), 4);

    putInt(record + kMarkerOffset, kMarker, 4);
    putInt(record + kHandleOffset, handle, 4);
}

std::uint32_t recordHandle(const unsigned char* record) {
    return getInt32(record + kMarkerOffset) == kMarker ? getInt32(record + kHandleOffset) : 0;
}

void clearRecordHandle(unsigned char* record) {
    putInt(record + kMarkerOffset, 0, 4);
    putInt(record + kHandleOffset, 0, 4);
}

}  // namespace hidlink
