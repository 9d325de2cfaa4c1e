#include <gtest/gtest.h>

#include <cstring>

#include "devices/hid_button_state.h"
#include "devices/hid_record.h"

namespace velloran::hid {
namespace {

using Table = std::array<unsigned char, kTableSize>;

template <class Int>
void put(Table& t, std::size_t at, Int value) {  // little-endian, as the library writes
    std::memcpy(t.data() + at, &value, sizeof value);
}

// Fills record `i` as the library does; the lengths can be given to test bad ones.
void putRecord(Table& t, int i, std::int16_t buttons, const std::string& id,
               const std::string& name, std::optional<std::int32_t> idLength = {},
               std::optional<std::int32_t> nameLength = {}) {
    const std::size_t base = static_cast<std::size_t>(i) * kRecordSize;
    put(t, base + kButtonsOffset, buttons);
    std::memcpy(t.data() + base + kIdOffset, id.data(), id.size());
    put(t, base + kIdLengthOffset, idLength.value_or(static_cast<std::int32_t>(id.size())));
    std::memcpy(t.data() + base + kNameOffset, name.data(), name.size());
    put(t, base + kNameLengthOffset, nameLength.value_or(static_cast<std::int32_t>(name.size())));
}

TEST(HidRecord, ReadsRecordsWithButtonsKeepingTheirIndexAndCutsTheIdentifierSuffix) {
    auto table = std::make_unique<Table>();
    putRecord(*table, 0, 0, "none#0001", "Empty");
    putRecord(*table, 1, 32, "usb-1.4/input0:1D50:6102#0001", "Panel A");
    putRecord(*table, 2, -3, "negative#0002", "Broken");
    putRecord(*table, 3, 600, "id\xE9-x#0002", "Br\xE4ker \x80 \x93Pro\x94");
    putRecord(*table, 4, 8, "beyond#0004", "Not counted");

    const auto devices = decodeTable(*table, 4);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].identity, "usb-1.4/input0:1D50:6102");
    EXPECT_EQ(devices[0].displayName, "Panel A");
    EXPECT_EQ(devices[0].buttonCount, 32);
    EXPECT_EQ(devices[0].hidIndex, 1);
    EXPECT_EQ(devices[1].buttonCount, 512) << "only 512 buttons fit the read buffer";
    EXPECT_EQ(devices[1].identity, "id\u00E9-x");
    EXPECT_EQ(devices[1].displayName, "Br\u00E4ker \u20AC \u201CPro\u201D");
    EXPECT_EQ(devices[1].hidIndex, 3);
}

TEST(HidRecord, LengthsOutOfRange) {
    const std::string i257(257, 'i'), n256(256, 'n');
    const struct {
        std::string id;
        std::int32_t idLength;
        std::string name;
        std::int32_t nameLength;
        std::string wantId, wantName;
    } cases[] = {
        {"ab", 2, "N", 1, "", "N"},  // identifier shorter than its suffix
        {i257, 100000, n256, 100000, std::string(252, 'i'), n256},
        {std::string("ab\0cdefgh", 9), 9, std::string("Na\0me", 5), 5, "ab", "Na"},
        {"abcdefgh", INT32_MIN, "Name", INT32_MIN, "", ""},
    };
    for (const auto& c : cases) {
        auto table = std::make_unique<Table>();
        putRecord(*table, 0, 1, c.id, c.name, c.idLength, c.nameLength);
        const auto d = decodeRecord(std::span(*table).first<kRecordSize>(), 0);
        ASSERT_TRUE(d) << c.wantName;
        EXPECT_EQ(d->identity + "/" + d->displayName, c.wantId + "/" + c.wantName);
    }
}

// Reports each difference in button order, ignoring buttons beyond the board and the byte after
// the last button.
TEST(HidButtonState, ReportsEachDifferenceInButtonOrder) {
    using Buffer = std::array<unsigned char, kStateSize>;
    const auto pressed = [](std::initializer_list<int> buttons) {
        Buffer b{};
        for (int n : buttons) b[static_cast<std::size_t>(n - 1)] = 0x80;
        b[512] = 1;
        return b;
    };
    for (const int buttons : {12, 600}) {  // 512 at most fit the buffer
        ButtonState state(buttons);
        std::vector<ButtonChange> changes;
        state.apply(pressed({9, 2, 512}), changes);
        EXPECT_EQ(state.pressed(512), buttons > 12);
        EXPECT_FALSE(state.pressed(513));
        for (const Buffer& b : {pressed({2}), pressed({2}), pressed({})}) state.apply(b, changes);
        std::vector<ButtonChange> want = {{2, true}, {9, true}, {9, false}, {2, false}};
        if (buttons > 12) {
            want.insert(want.begin() + 2, {512, true});
            want.insert(want.begin() + 4, {512, false});
        }
        EXPECT_EQ(changes, want) << buttons;
    }
}

}  // namespace
}  // namespace velloran::hid
