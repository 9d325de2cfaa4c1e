#pragma once
// Writing the caller's records. Besides the documented fields a record carries a marker and the
// handle under which the library keeps the board, so that a stale or foreign record is known.
#include <cstdint>
#include <string>

namespace hidlink {

struct RecordText {
    int buttons = 0;
    std::string identifier;  // UTF-8, without the suffix
    std::string name;        // UTF-8
};

// Record `index` of the table starting at `records`.
unsigned char* recordAt(void* records, int index);

// Clears the record and fills it; the identifier gets the suffix "#" and the handle's low 16 bits
// in four hexadecimal digits.
void writeRecord(unsigned char* record, const RecordText& text, std::uint32_t handle);

// The handle a record was written with; 0 when it carries none.
std::uint32_t recordHandle(const unsigned char* record);

// Forgets the handle, so the record no longer reads as an open board.
void clearRecordHandle(unsigned char* record);

}  // namespace hidlink
