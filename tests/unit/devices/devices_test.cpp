#include <gtest/gtest.h>

#include <cstring>

#include "devices/hid_button_state.h"
#include "devices/hid_record.h"
#include "devices/joystick_identity.h"
#include "devices/virtual_device_setup.h"

namespace velloran {
namespace {

using namespace hid;

const std::string kPad = "030000005e0400008e02000010010000";
const std::string kStick = "030000006d04000015c2000010010000";

std::vector<std::string> identities(const std::vector<JoystickTraits>& attached) {
    std::vector<std::string> out;
    for (const auto& j : identifyJoysticks(attached)) out.push_back(j.identity);
    return out;
}

// A serial, else a port (the by-path link without its node suffix), counts only where no other
// unit of the same model shares it (case aside); what is left is told apart by ordinal in
// system order.
TEST(IdentifyJoysticks, SerialThenPortThenOrdinalWhereUniqueSortedByIdentity) {
    const std::string port = "pci-0000:00:14.0-usb-0:";
    const std::vector<JoystickTraits> attached = {
        {kPad, "0000", port + "2:1.0-event"},
        {kPad, "0000", port + "1:1.0-event-joystick"},
        {kStick, "0000", ""},  // another model may share the serial
        {kPad, "abc", ""},
        {kPad, "ABC", ""},
        {kStick, " S/N \"7\"\r\nx\xC3\xA9 ", ""},
        {kStick, "  ", "platform-eventbus-0-joystick"},  // "-event" here is no node suffix
    };
    const auto result = identifyJoysticks(attached);
    ASSERT_EQ(result.size(), 7u);
    EXPECT_EQ(result[0].source, 3u);
    EXPECT_EQ(
        identities(attached),
        (std::vector<std::string>{kPad + "/#1", kPad + "/#2", kPad + "/" + port + "1:1.0",
                                  kPad + "/" + port + "2:1.0", kStick + "/0000",
                                  kStick + "/S/N__7___x__", kStick + "/platform-eventbus-0"}));
    EXPECT_EQ(identities({attached.rbegin(), attached.rend()}), identities(attached));
}

TEST(JoystickDisplayName, ReplacesWhatAFileFieldCannotHold) {
    EXPECT_EQ(joystickDisplayName("Pad \"Pro\"\tII\n"), "Pad 'Pro' II ");
    EXPECT_EQ(joystickDisplayName("Manette \xC3\xA9"), "Manette \xC3\xA9");
}

TEST(ParseVirtualDevices, ReadsNamesWithBlanksAndRefusesAnyBadEntry) {
    using Setups = std::vector<VirtualDeviceSetup>;
    const struct {
        const char* text;
        std::optional<Setups> setups;  // nothing: refused
    } cases[] = {
        {"  Demo Pad : 1 ,  Board:128 ", Setups{{"Demo Pad", 1}, {"Board", 128}}},
        {"Port A:B:7", Setups{{"Port A:B", 7}}},
        {"Demo Pad", {}},
        {"Pad:12,,Board:3", {}},
        {"Pad:12x", {}},
        {"Pad:129", {}},
    };
    for (const auto& c : cases) {
        const auto parsed = parseVirtualDevices(c.text);
        EXPECT_EQ(parsed ? std::optional{parsed.value()} : std::nullopt, c.setups) << c.text;
    }
}

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

// Records without buttons are skipped, the others keep their table index; the identifier loses
// its "#nnnn" suffix, texts are Windows-1252 and end at a NUL, and lengths out of range are
// clamped to the fields.
TEST(HidRecord, ReadsTheCountedRecordsWithButtonsWhateverTheirLengthsSay) {
    const std::string i257(257, 'i'), n256(256, 'n');
    auto table = std::make_unique<Table>();
    putRecord(*table, 0, 0, "none#0001", "Empty");
    putRecord(*table, 1, 32, "usb-1.4/input0:1D50:6102#0001", "Panel A");
    putRecord(*table, 2, -3, "negative#0002", "Broken");
    putRecord(*table, 3, 600, "id\xE9-x#0002", "Br\xE4ker \x80 \x93Pro\x94");
    putRecord(*table, 4, 1, "ab", "N");  // an identifier shorter than its suffix
    putRecord(*table, 5, 1, i257, n256, 100000, 100000);
    putRecord(*table, 6, 1, std::string("ab\0cdefgh", 9), std::string("Na\0me", 5));
    putRecord(*table, 7, 1, "abcdefgh", "Name", INT32_MIN, INT32_MIN);
    putRecord(*table, 8, 8, "beyond#0004", "Not counted");

    std::vector<std::string> read;
    for (const DetectedDevice& d : decodeTable(*table, 8)) {
        read.push_back(std::to_string(d.hidIndex) + " " + std::to_string(d.buttonCount) + " " +
                       d.identity + "|" + d.displayName);
    }
    EXPECT_EQ(read,
              (std::vector<std::string>{
                  "1 32 usb-1.4/input0:1D50:6102|Panel A",
                  "3 512 id\u00E9-x|Br\u00E4ker \u20AC \u201CPro\u201D",  // 512 fit the buffer
                  "4 1 |N", "5 1 " + std::string(252, 'i') + "|" + n256, "6 1 ab|Na", "7 1 |"}));
}

// Reports each difference in button order, ignoring buttons beyond the board and the byte after
// the last button; 512 at most fit the buffer.
TEST(HidButtonState, ReportsEachDifferenceInButtonOrder) {
    using Buffer = std::array<unsigned char, kStateSize>;
    const auto pressed = [](std::initializer_list<int> buttons) {
        Buffer b{};
        for (int n : buttons) b[static_cast<std::size_t>(n - 1)] = 0x80;
        b[512] = 1;
        return b;
    };
    for (const auto& [buttons, want] :
         {std::pair{12, std::vector<ButtonChange>{{2, true}, {9, true}, {9, false}, {2, false}}},
          {600, {{2, true}, {9, true}, {512, true}, {9, false}, {512, false}, {2, false}}}}) {
        ButtonState state(buttons);
        std::vector<ButtonChange> changes;
        for (const Buffer& b : {pressed({9, 2, 512}), pressed({2}), pressed({2}), pressed({})}) {
            state.apply(b, changes);
        }
        EXPECT_EQ(changes, want) << buttons;
        EXPECT_FALSE(state.pressed(513));
    }
}

}  // namespace
}  // namespace velloran
