#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <string>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "xkb/xkb_layout.h"

namespace velloran {
namespace {

// Keymaps that libxkbcommon compiles from rule names, no server involved. Each row: what the
// steps "Z", "Y", "A", "1" and SHIFT are sent as, and what recording stores for the keys that
// type z and & (or sit at US Z and 1).
struct Case {
    const char* layout;
    unsigned group;
    int z, y, a, one;
    int keyTypingZ;        // recorded as "Z"
    std::uint16_t atKey1;  // what recording stores for the key at US 1
    const char* name;
};

TEST(KeyTranslation, LettersByLayoutEverythingElseByPosition) {
    for (const Case c : {Case{"us", 0, KEY_Z, KEY_Y, KEY_A, KEY_1, KEY_Z, '1', "English (US)"},
                         Case{"de", 0, KEY_Y, KEY_Z, KEY_A, KEY_1, KEY_Y, '1', "German"},
                         Case{"fr", 0, KEY_W, KEY_Y, KEY_Q, KEY_1, KEY_W, '1', "French"},
                         Case{"ru", 0, KEY_Z, KEY_Y, KEY_A, KEY_1, KEY_Z, '1', "Russian"},
                         Case{"us,ru", 1, KEY_Z, KEY_Y, KEY_A, KEY_1, KEY_Z, '1', "Russian"}}) {
        SCOPED_TRACE(c.layout);
        const XkbKeymap keymap = compileKeymap(LayoutNames{c.layout, "", "", ""});
        ASSERT_TRUE(keymap);
        const KeyTranslation t = translationOf(keymap.get(), c.group);
        const auto sent = [&t](const char* name) {
            return t.keyCodeOf(scanCodeOf(keyCodeOfName(name)));
        };
        EXPECT_EQ(sent("Z"), c.z);
        EXPECT_EQ(sent("Y"), c.y);
        EXPECT_EQ(sent("A"), c.a);
        EXPECT_EQ(sent("1"), c.one);
        EXPECT_EQ(t.keyCodeOf(scanCodeOf(vk::Shift)), KEY_LEFTSHIFT);
        EXPECT_EQ(t.recordedKeyAt(static_cast<std::uint16_t>(c.keyTypingZ)), 'Z');
        EXPECT_EQ(t.recordedKeyAt(KEY_1), c.atKey1);
        EXPECT_EQ(t.recordedKeyAt(KEY_KP7), 0) << "the keypad is named by the caller";
        EXPECT_EQ(layoutNameOf(keymap.get(), c.group), c.name);
    }
}

// A layout switch between a key's press and its release must not leave the pressed key down.
TEST(KeyRouting, AReleaseGoesWhereItsPressWent) {
    const XkbKeymap de = compileKeymap(LayoutNames{"de", "", "", ""});
    ASSERT_TRUE(de);
    KeyRouting routing;
    const std::uint16_t z = scanCodeOf(keyCodeOfName("Z"));
    EXPECT_EQ(routing.route(z, false, translationOf(de.get(), 0)), KEY_Y);
    EXPECT_EQ(routing.route(z, true, KeyTranslation()), KEY_Y);
    EXPECT_EQ(routing.route(z, true, KeyTranslation()), KEY_Z) << "a stray release by position";
}

TEST(KeyTranslation, UnknownLayoutDoesNotCompile) {
    EXPECT_FALSE(compileKeymap(LayoutNames{"no-such-layout", "", "", ""}));
    EXPECT_FALSE(compileKeymapFromString("not a keymap"));
}

}  // namespace
}  // namespace velloran
