#pragma once
// Asks a Wayland compositor to pass its own shortcuts (ALT + TAB, CTRL + ESC, ...) to one window
// for as long as the object lives (keyboard-shortcuts-inhibit-unstable-v1): the Wayland stand-in
// for a keyboard grab, which Wayland does not give to programs. The requests go over the
// toolkit's connection, on a queue of their own, so the toolkit's event handling is not touched.
#include <memory>

struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace velloran {

class ShortcutsInhibitor {
public:
    // The inhibitor for `surface` once the compositor says it is active; otherwise null and
    // `error` is ENOTSUP (the compositor lacks the protocol) or EBUSY (it did not make the
    // inhibitor active: the window has no focus, or the user or a setting refused).
    static std::unique_ptr<ShortcutsInhibitor> inhibit(wl_display* display, wl_surface* surface,
                                                       wl_seat* seat, int& error);
    ~ShortcutsInhibitor();
    ShortcutsInhibitor(const ShortcutsInhibitor&) = delete;
    ShortcutsInhibitor& operator=(const ShortcutsInhibitor&) = delete;

private:
    explicit ShortcutsInhibitor(wl_display* display);

    wl_display* display_;
    wl_event_queue* queue_ = nullptr;
    wl_display* wrapper_ = nullptr;
    wl_registry* registry_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_ = nullptr;
    bool active_ = false;
};

}  // namespace velloran
