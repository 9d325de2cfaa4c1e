#include "xkb/xkb_layout.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace velloran {
namespace {

constexpr xkb_keycode_t kXkbKeycodeOffset = 8;

struct ContextFree {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
using XkbContext = std::unique_ptr<xkb_context, ContextFree>;

// Keymaps compiled here must not depend on the caller's XKB_DEFAULT_* variables for the fields
// the names leave empty, so the context ignores the environment; the names were chosen with it.
// Its log stays quiet below critical: a layout that does not compile is reported by the caller.
XkbContext newContext() {
    XkbContext context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (context) xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    return context;
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

std::optional<std::string> fileText(const char* path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void XkbKeymapFree::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}

XkbKeymap compileKeymap(const LayoutNames& names) {
    const XkbContext context = newContext();
    if (!context) return nullptr;
    const auto field = [](const std::string& text) {
        return text.empty() ? nullptr : text.c_str();
    };
    const xkb_rule_names rules{nullptr, field(names.model), field(names.layout),
                               field(names.variant), field(names.options)};
    return XkbKeymap(xkb_keymap_new_from_names(context.get(), &rules, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

XkbKeymap compileKeymapFromString(std::string_view text) {
    const XkbContext context = newContext();
    if (!context) return nullptr;
    return XkbKeymap(xkb_keymap_new_from_buffer(context.get(), text.data(), text.size(),
                                                XKB_KEYMAP_FORMAT_TEXT_V1,
                                                XKB_KEYMAP_COMPILE_NO_FLAGS));
}

GroupLetters groupLettersOf(xkb_keymap* keymap, unsigned group) {
    GroupLetters letters{};
    for (std::size_t position = 1; position < letters.size(); ++position) {
        const xkb_keysym_t* syms = nullptr;
        const auto keycode = static_cast<xkb_keycode_t>(position) + kXkbKeycodeOffset;
        // Level 0 is what the key types without modifiers; a group the key lacks wraps as the
        // keymap says, which libxkbcommon resolves for a layout index beyond the key's.
        const int count = xkb_keymap_key_get_syms_by_level(keymap, keycode, group, 0, &syms);
        if (count != 1) continue;
        if (syms[0] >= XKB_KEY_a && syms[0] <= XKB_KEY_z) {
            letters[position] = static_cast<char>('a' + (syms[0] - XKB_KEY_a));
        }
    }
    return letters;
}

std::string layoutNameOf(xkb_keymap* keymap, unsigned group) {
    const char* name = xkb_keymap_layout_get_name(keymap, group);
    return name != nullptr ? name : "";
}

LayoutChoice desktopLayoutNames() {
    return chooseLayoutNames(
        LayoutSettings{environment("XKB_DEFAULT_LAYOUT"), environment("XKB_DEFAULT_VARIANT"),
                       fileText(kDefaultKeyboardPath), fileText(kLocaledKeyboardPath)});
}

std::unique_ptr<KeyLayout> desktopKeyLayout() {
    const LayoutChoice choice = desktopLayoutNames();
    const XkbKeymap keymap = compileKeymap(choice.names);
    if (!keymap) {
        return std::make_unique<FixedKeyLayout>(
            KeyTranslation(),
            layoutInForceText("US positions", "layout \"" + choice.names.layout + "\" of " +
                                                  choice.origin + " not found"));
    }
    return std::make_unique<FixedKeyLayout>(
        translationOf(keymap.get(), 0),
        layoutInForceText(layoutNameOf(keymap.get(), 0), choice.origin));
}

}  // namespace velloran
