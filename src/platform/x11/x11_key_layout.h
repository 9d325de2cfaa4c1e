#pragma once
// The X server's keyboard layout as a KeyLayout: its core keyboard's keymap and active group,
// read through libxkbcommon-x11 on a connection of its own. The server reports keymap changes
// (setxkbmap, a new keyboard) and group switches on that connection; translation() takes them in
// before the next key, so a layout switch during a run applies to the keys after it.
#include <memory>
#include <string>

#include "keys/key_layout.h"

struct xcb_connection_t;
struct xkb_keymap;

namespace velloran {

class X11KeyLayout final : public KeyLayout {
public:
    // Null when the display cannot be opened or has no XKB extension. "" is $DISPLAY.
    static std::unique_ptr<X11KeyLayout> open(const std::string& displayName = "");
    ~X11KeyLayout() override;
    X11KeyLayout(const X11KeyLayout&) = delete;
    X11KeyLayout& operator=(const X11KeyLayout&) = delete;

    const KeyTranslation& translation() override;
    std::string description() const override;

private:
    X11KeyLayout(xcb_connection_t* connection, int deviceId, unsigned firstEvent);
    void readKeymap();
    void readGroup();
    void rebuild();

    xcb_connection_t* connection_;
    int deviceId_;
    unsigned firstXkbEvent_;
    xkb_keymap* keymap_ = nullptr;
    unsigned group_ = 0;
    KeyTranslation translation_;
};

}  // namespace velloran
