#include "uinput/uinput_key_state.h"

#include "keys/key_names.h"
#include "keys/lock_state_source.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

int ledOf(std::uint16_t virtualKey) {
    switch (virtualKey) {
        case vk::NumLock:
            return LED_NUML;
        case vk::CapsLock:
            return LED_CAPSL;
        case vk::ScrollLock:
            return LED_SCROLLL;
        default:
            return -1;
    }
}

}  // namespace

void UinputKeyState::sent(std::span<const input_event> events) {
    for (const input_event& event : events) {
        if (event.type == EV_KEY && event.code < KEY_CNT) held_[event.code] = event.value != 0;
    }
}

void UinputKeyState::received(const input_event& event) {
    if (event.type == EV_LED && event.code < LED_CNT) leds_[event.code] = event.value != 0;
}

int UinputKeyState::keyState(std::uint16_t virtualKey) const {
    int state = 0;
    const int led = ledOf(virtualKey);
    if (led >= 0 && leds_[static_cast<std::size_t>(led)]) state |= 1;
    const std::uint16_t code = linuxKeyCodeOf(scanCodeOf(virtualKey));
    if (code != 0 && held_[code]) state |= 0x8000;
    return state;
}

unsigned UinputKeyState::ledBits() const {
    return (leds_[LED_NUML] ? led::NumLock : 0U) | (leds_[LED_CAPSL] ? led::CapsLock : 0U) |
           (leds_[LED_SCROLLL] ? led::ScrollLock : 0U);
}

std::vector<std::uint16_t> UinputKeyState::heldKeys() const {
    std::vector<std::uint16_t> codes;
    for (std::size_t code = 0; code < held_.size(); ++code) {
        if (held_[code]) codes.push_back(static_cast<std::uint16_t>(code));
    }
    return codes;
}

}  // namespace velloran
