#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/hid_record.h"

namespace velloran::hid {
namespace {

using Table = std::array<unsigned char, kTableSize>;

void putInt(Table& t, std::size_t at, std::int64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        t[at + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
}

void putBytes(Table& t, std::size_t at, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) t[at + i] = static_cast<unsigned char>(bytes[i]);
}

// Fills record `i` as the library does; the lengths can be overridden to test bad ones.
void putRecord(Table& t, int i, int buttons, const std::string& id, const std::string& name,
               std::int64_t idLength = -1, std::int64_t nameLength = -1) {
    const std::size_t base = static_cast<std::size_t>(i) * kRecordSize;
    putInt(t, base + kButtonsOffset, buttons, 2);
    putBytes(t, base + kIdOffset, id);
    putInt(t, base + kIdLengthOffset,
           idLength < 0 ? static_cast<std::int64_t>(id.size()) : idLength, 4);
    putBytes(t, base + kNameOffset, name);
    putInt(t, base + kNameLengthOffset,
           nameLength < 0 ? static_cast<std::int64_t>(name.size()) : nameLength, 4);
}

TEST(HidRecord, ReadsTheFieldsAtTheirOffsetsAndCutsTheIdentifierSuffix) {
    auto table = std::make_unique<Table>();
    putRecord(*table, 0, 32, "usb-1.4/input0:1D50:6102#0001", "Panel A");
    putRecord(*table, 1, 600, "id\xE9-x#0002", "Br\xE4ker \x80 \x93Pro\x94");

    const auto devices = decodeTable(*table, 2);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].identity, "usb-1.4/input0:1D50:6102");
    EXPECT_EQ(devices[0].buttonCount, 32);
    EXPECT_EQ(devices[1].buttonCount, 512) << "only 512 buttons fit the read buffer";
    EXPECT_EQ(devices[1].identity, "id\u00E9-x");
    EXPECT_EQ(devices[1].displayName, "Br\u00E4ker \u20AC \u201CPro\u201D");
}

TEST(HidRecord, SkipsRecordsWithoutButtonsAndKeepsTheTableIndex) {
    auto table = std::make_unique<Table>();
    putRecord(*table, 0, 0, "none#0001", "Empty");
    putRecord(*table, 1, -3, "negative#0002", "Broken");
    putRecord(*table, 2, 4, "four#0003", "Four");
    putRecord(*table, 3, 8, "beyond#0004", "Not counted");

    const auto devices = decodeTable(*table, 3);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].hidIndex, 2);
}

TEST(HidRecord, LengthsOutOfRange) {
    const std::string longId(257, 'i');
    const std::string longName(256, 'n');
    struct Case {
        const char* what;
        std::string id;
        std::int64_t idLength;
        std::string name;
        std::int64_t nameLength;
        std::string wantId;
        std::string wantName;
    };
    const std::vector<Case> cases = {
        {"identifier shorter than its suffix", "ab", 2, "N", 1, "", "N"},
        {"lengths past the fields", longId, 100000, longName, 100000, std::string(252, 'i'),
         longName},
        {"text ends at a NUL", std::string("ab\0cdefgh", 9), 9, std::string("Na\0me", 5), 5, "ab",
         "Na"},
        {"smallest negative", "abcdefgh", INT32_MIN, "Name", INT32_MIN, "", ""},
    };
    for (const auto& c : cases) {
        auto table = std::make_unique<Table>();
        putRecord(*table, 0, 1, c.id, c.name, c.idLength & 0xFFFFFFFF, c.nameLength & 0xFFFFFFFF);
        const auto d = decodeRecord(std::span(*table).first<kRecordSize>(), 0);
        ASSERT_TRUE(d) << c.what;
        EXPECT_EQ(d->identity, c.wantId) << c.what;
        EXPECT_EQ(d->displayName, c.wantName) << c.what;
    }
}

}  // namespace
}  // namespace velloran::hid
