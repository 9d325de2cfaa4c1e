#pragma once
// libxkbcommon in the terms of the key translation: keymaps compiled from rule names or from a
// keymap text, the translation of one of their groups, and the layout a new keyboard gets where
// no X server says it (the environment, then the system's configuration, then us).
#include <memory>
#include <string>
#include <string_view>

#include "keys/key_layout.h"
#include "keys/key_translation.h"
#include "keys/layout_names.h"

struct xkb_keymap;

namespace velloran {

struct XkbKeymapFree {
    void operator()(xkb_keymap* keymap) const;
};
using XkbKeymap = std::unique_ptr<xkb_keymap, XkbKeymapFree>;

// Null when libxkbcommon cannot compile the names (an unknown layout) or the text.
XkbKeymap compileKeymap(const LayoutNames& names);
XkbKeymap compileKeymapFromString(std::string_view text);

// The letters group `group` types without modifiers, and the translation built from them.
GroupLetters groupLettersOf(xkb_keymap* keymap, unsigned group);
inline KeyTranslation translationOf(xkb_keymap* keymap, unsigned group) {
    return KeyTranslation(groupLettersOf(keymap, group));
}

// The group's name as the keymap gives it ("German"); "" when it has none.
std::string layoutNameOf(xkb_keymap* keymap, unsigned group);

// The names a new keyboard gets where no X server says it, from the environment and the files.
LayoutChoice desktopLayoutNames();

// A layout fixed for the program's run, compiled from desktopLayoutNames() (group 0, the group
// a new keyboard starts in). Where the names do not compile, keys go by US position and the
// description says so.
std::unique_ptr<KeyLayout> desktopKeyLayout();

}  // namespace velloran
