#pragma once
// A small X client window that has the keyboard focus and records the key events it gets. Xlib
// stays out of this header: its macros (None, Bool, Status) clash with ordinary C++ names.
#include <string>
#include <vector>

struct _XDisplay;

namespace velloran {

inline constexpr unsigned kShiftMask = 1U << 0;  // ShiftMask of the key event state

struct ReceivedKey {
    bool press = false;
    unsigned keycode = 0;
    unsigned modifiers = 0;  // the event's state: modifiers in effect before it

    bool operator==(const ReceivedKey&) const = default;
};

class KeyWindow {
public:
    explicit KeyWindow(const std::string& display);
    ~KeyWindow();
    KeyWindow(const KeyWindow&) = delete;
    KeyWindow& operator=(const KeyWindow&) = delete;

    bool ok() const { return window_ != 0; }
    // The keycode the server's keymap gives a keysym (XK_a, ...); 0 when it has none.
    unsigned keycodeOf(unsigned long keysym) const;
    // Key events until `count` have come or half a second passes without one.
    std::vector<ReceivedKey> keys(std::size_t count);

private:
    _XDisplay* display_ = nullptr;
    unsigned long window_ = 0;
};

}  // namespace velloran
