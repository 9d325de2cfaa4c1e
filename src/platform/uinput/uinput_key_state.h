#pragma once
// The key state that the virtual keyboard answers from: the keys it holds down (it knows no
// other keyboard's) and its LEDs as the system last set them.
#include <linux/input.h>

#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

namespace velloran {

class UinputKeyState {
public:
    // Follows the key events the device has sent.
    void sent(std::span<const input_event> events);
    // Follows an event the system wrote back to the device (EV_LED; others are ignored).
    void received(const input_event& event);

    // Bit 0 while the lock key's LED is on (Num Lock, Caps Lock, Scroll Lock), 0x8000 while this
    // device holds the key down.
    int keyState(std::uint16_t virtualKey) const;
    // The lock LEDs as the system last set them (bits of keys/lock_state_source.h).
    unsigned ledBits() const;
    // Key codes still held down, ascending.
    std::vector<std::uint16_t> heldKeys() const;

private:
    std::bitset<KEY_CNT> held_;
    std::bitset<LED_CNT> leds_;
};

}  // namespace velloran
