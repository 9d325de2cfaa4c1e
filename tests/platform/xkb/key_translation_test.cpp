#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "xkb/xkb_layout.h"

namespace velloran {
namespace {

std::uint16_t scanOf(const char* name) {
    return scanCodeOf(keyCodeOfName(name));
}

// Keymaps that libxkbcommon compiles from rule names, no server involved. Each row: where the
// steps "Z", "Y" and "A" are sent (recording stores the key sent for "Z" as "Z"), and the group's
// name. "1" and SHIFT go by position everywhere, and the key at US 1 records as "1" (on French
// it types &).
TEST(KeyTranslation, LettersByLayoutEverythingElseByPosition) {
    struct Case {
        const char* layout;
        unsigned group;
        int z, y, a;
        const char* name;
    };
    for (const Case c : {Case{"us", 0, KEY_Z, KEY_Y, KEY_A, "English (US)"},
                         Case{"de", 0, KEY_Y, KEY_Z, KEY_A, "German"},
                         Case{"fr", 0, KEY_W, KEY_Y, KEY_Q, "French"},
                         Case{"ru", 0, KEY_Z, KEY_Y, KEY_A, "Russian"},
                         Case{"us,ru", 1, KEY_Z, KEY_Y, KEY_A, "Russian"}}) {
        SCOPED_TRACE(c.layout);
        const XkbKeymap keymap = compileKeymap(LayoutNames{c.layout, "", "", ""});
        ASSERT_TRUE(keymap);
        const KeyTranslation t = translationOf(keymap.get(), c.group);
        EXPECT_EQ(t.keyCodeOf(scanOf("Z")), c.z);
        EXPECT_EQ(t.keyCodeOf(scanOf("Y")), c.y);
        EXPECT_EQ(t.keyCodeOf(scanOf("A")), c.a);
        EXPECT_EQ(t.keyCodeOf(scanOf("1")), KEY_1);
        EXPECT_EQ(t.keyCodeOf(scanCodeOf(vk::Shift)), KEY_LEFTSHIFT);
        EXPECT_EQ(t.recordedKeyAt(static_cast<std::uint16_t>(c.z)), 'Z');
        EXPECT_EQ(t.recordedKeyAt(KEY_1), '1');
        EXPECT_EQ(t.recordedKeyAt(KEY_KP7), 0) << "the keypad is named by the caller";
        EXPECT_EQ(layoutNameOf(keymap.get(), c.group), c.name);
    }
    EXPECT_FALSE(compileKeymap(LayoutNames{"no-such-layout", "", "", ""}));
    EXPECT_FALSE(compileKeymapFromString("not a keymap"));
}

// A layout switch between a key's press and its release must not leave the pressed key down.
TEST(KeyRouting, AReleaseGoesWhereItsPressWent) {
    const XkbKeymap de = compileKeymap(LayoutNames{"de", "", "", ""});
    ASSERT_TRUE(de);
    KeyRouting routing;
    EXPECT_EQ(routing.route(scanOf("Z"), false, translationOf(de.get(), 0)), KEY_Y);
    EXPECT_EQ(routing.route(scanOf("Z"), true, KeyTranslation()), KEY_Y);
    EXPECT_EQ(routing.route(scanOf("Z"), true, KeyTranslation()), KEY_Z) << "a stray release";
}

}  // namespace
}  // namespace velloran
