#pragma once
// Key output through the XTEST extension of an X display: keys reach the programs of that
// display only. X servers number keys as the Linux key code plus 8 (their evdev rule); a scan
// code goes to the key the server's current layout gives it (keys/key_translation.h) plus 8.
#include <bitset>
#include <memory>
#include <string>

#include "base/result.h"
#include "keys/key_layout.h"
#include "keys/key_output.h"
#include "keys/output_choice.h"

struct _XDisplay;

namespace velloran {

// The X keycode of a set-1 scan code by US position; 0 when it has none.
int xKeycodeOf(std::uint16_t scanCode);

class XTestKeyOutput final : public KeyOutput {
public:
    // The display name as XOpenDisplay takes it; "" is the one $DISPLAY names.
    static XTestStatus probe(const std::string& displayName = "");
    static Result<std::unique_ptr<XTestKeyOutput>> open(const std::string& displayName = "");

    ~XTestKeyOutput() override;
    XTestKeyOutput(const XTestKeyOutput&) = delete;
    XTestKeyOutput& operator=(const XTestKeyOutput&) = delete;

    // Every record as a fake key event, then a round trip: when send returns, the server has
    // handled the whole batch, in order, and the lock indicators show its effect.
    bool send(std::span<const KeyRecord> batch) override;
    // Bit 0 from the keyboard indicators named "Num Lock", "Caps Lock" and "Scroll Lock" (the
    // usual X keymaps light no indicator for Scroll Lock, whose bit then stays 0); 0x8000 while
    // the server has the key down, whichever keyboard pressed it.
    int keyState(std::uint16_t virtualKey) override;

    // The X server's layout, which keys follow.
    KeyLayout& layout() { return *layout_; }

private:
    XTestKeyOutput(_XDisplay* display, std::unique_ptr<KeyLayout> layout);
    int indicatorOf(std::uint16_t virtualKey) const;

    _XDisplay* display_;
    std::unique_ptr<KeyLayout> layout_;
    KeyRouting routing_;
    int minKeycode_ = 0;
    int maxKeycode_ = 0;
    int numLockIndicator_ = -1;
    int capsLockIndicator_ = -1;
    int scrollLockIndicator_ = -1;
    // Keys this output pressed and has not released: released when it closes, so that no key
    // stays down in the server.
    std::bitset<256> held_;
};

}  // namespace velloran
