#pragma once
// Key output through the virtual keyboard of a Wayland compositor (zwp_virtual_keyboard_manager_v1,
// offered by wlroots compositors such as sway, Hyprland, labwc and river): the keys reach the
// focused window of that desktop, XWayland programs included. The keyboard carries its own keymap,
// the layout a new keyboard gets (desktopKeyLayout()), keys follow that layout's letter rule, and
// it has its own modifier and lock state, which this output keeps in step with the compositor:
// every key goes out with the modifier state it leaves, Num and Caps Lock as locked modifiers.
// It releases what it holds and is destroyed with the object.
#include <bitset>
#include <memory>
#include <string>

#include "keys/key_layout.h"
#include "keys/key_output.h"
#include "keys/output_choice.h"
#include "xkb/xkb_layout.h"

struct wl_display;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct xkb_state;

namespace velloran {

class WaylandKeyOutput final : public KeyOutput {
public:
    // The display name as wl_display_connect takes it; "" is the one $WAYLAND_DISPLAY names.
    static WaylandStatus probe(const std::string& displayName = "");
    // Null when no compositor answers, it has no virtual keyboard or refuses this program one.
    static std::unique_ptr<WaylandKeyOutput> open(const std::string& displayName = "");

    ~WaylandKeyOutput() override;
    WaylandKeyOutput(const WaylandKeyOutput&) = delete;
    WaylandKeyOutput& operator=(const WaylandKeyOutput&) = delete;

    // Every record as a key request (and a modifiers request where the state changed), then a
    // round trip: when send returns, the compositor has handled the batch.
    bool send(std::span<const KeyRecord> batch) override;
    // Bit 0 from this keyboard's locked modifiers; 0x8000 while this output holds the key.
    int keyState(std::uint16_t virtualKey) override;

    // The layout of the uploaded keymap, which keys follow.
    KeyLayout& layout() { return *layout_; }

private:
    WaylandKeyOutput() = default;
    void sendKey(std::uint32_t code, bool down);
    bool lockActive(std::uint16_t virtualKey) const;

    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    std::unique_ptr<KeyLayout> layout_;
    XkbKeymap keymap_;
    xkb_state* state_ = nullptr;
    KeyRouting routing_;
    std::uint32_t sentMods_[4] = {};
    // Scroll Lock locks no modifier in the usual keymaps: its state is kept here.
    bool scrollLock_ = false;
    std::bitset<256> held_;
};

}  // namespace velloran
