#pragma once
// Which keyboard layout a new keyboard gets where no X server says it: XKB_DEFAULT_LAYOUT and
// XKB_DEFAULT_VARIANT (what libxkbcommon itself honours), else the system's configured layout
// (/etc/default/keyboard, or the X11 keyboard configuration that localed writes), else us. The
// adapter reads the environment and the files; the choice and the texts live here.
#include <optional>
#include <string>
#include <string_view>

namespace velloran {

inline constexpr const char* kDefaultKeyboardPath = "/etc/default/keyboard";
inline constexpr const char* kLocaledKeyboardPath = "/etc/X11/xorg.conf.d/00-keyboard.conf";

// XKB rule names; empty fields take libxkbcommon's defaults.
struct LayoutNames {
    std::string layout;
    std::string variant;
    std::string model;
    std::string options;

    bool operator==(const LayoutNames&) const = default;
};

struct LayoutSettings {
    std::optional<std::string> envLayout;        // XKB_DEFAULT_LAYOUT
    std::optional<std::string> envVariant;       // XKB_DEFAULT_VARIANT
    std::optional<std::string> defaultKeyboard;  // the text of /etc/default/keyboard
    std::optional<std::string> localedKeyboard;  // the text of localed's 00-keyboard.conf
};

struct LayoutChoice {
    LayoutNames names;
    std::string origin;  // where the names come from, for the user: "/etc/default/keyboard"

    bool operator==(const LayoutChoice&) const = default;
};

LayoutChoice chooseLayoutNames(const LayoutSettings& settings);

// The line that says which layout keys follow: "Keyboard layout: German (X server)".
std::string layoutInForceText(std::string_view layoutName, std::string_view origin);

inline constexpr const char* kXServerOrigin = "X server";

}  // namespace velloran
