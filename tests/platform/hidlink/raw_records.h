#pragma once
// A record table as the libraries fill it, read field by field for the library tests.
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "hidlink.h"

namespace hidlink::test {

class RecordTable {
public:
    unsigned char* record(int i) { return bytes_->data() + i * HIDLINK_RECORD_SIZE; }
    unsigned char* data() { return bytes_->data(); }

    int buttons(int i) { return static_cast<std::int16_t>(record(i)[4] | record(i)[5] << 8); }
    std::string identifier(int i) { return text(i, HIDLINK_OFFSET_ID, HIDLINK_OFFSET_ID_LENGTH); }
    std::string name(int i) { return text(i, HIDLINK_OFFSET_NAME, HIDLINK_OFFSET_NAME_LENGTH); }
    // The identifier the program keeps.
    std::string identity(int i) {
        const std::string id = identifier(i);
        return id.substr(0, id.size() - HIDLINK_ID_SUFFIX_LENGTH);
    }

private:
    std::string text(int i, int offset, int lengthOffset) {
        std::int32_t length = 0;
        std::memcpy(&length, record(i) + lengthOffset, sizeof length);
        return {reinterpret_cast<const char*>(record(i) + offset),
                static_cast<std::size_t>(length)};
    }

    std::unique_ptr<std::array<unsigned char, HIDLINK_MAX_DEVICES* HIDLINK_RECORD_SIZE>> bytes_ =
        std::make_unique<std::array<unsigned char, HIDLINK_MAX_DEVICES * HIDLINK_RECORD_SIZE>>();
};

// The buttons a state buffer shows pressed.
inline std::vector<int> pressedIn(const unsigned char* state) {
    std::vector<int> pressed;
    for (int b = 0; b < HIDLINK_MAX_BUTTONS; ++b) {
        if (state[b]) pressed.push_back(b + 1);
    }
    return pressed;
}

}  // namespace hidlink::test
