#include "devices/hid_button_state.h"

#include <algorithm>

namespace velloran::hid {

ButtonState::ButtonState(int buttonCount) : buttonCount_(std::clamp(buttonCount, 0, kMaxButtons)) {}

void ButtonState::apply(std::span<const unsigned char, kStateSize> buffer,
                        std::vector<ButtonChange>& changes) {
    for (int b = 0; b < buttonCount_; ++b) {
        const bool down = buffer[static_cast<std::size_t>(b)] != 0;
        if (down == pressed_[static_cast<std::size_t>(b)]) continue;
        pressed_[static_cast<std::size_t>(b)] = down;
        changes.push_back(ButtonChange{b + 1, down});
    }
}

bool ButtonState::pressed(int button) const {
    return button >= 1 && button <= buttonCount_ && pressed_[static_cast<std::size_t>(button - 1)];
}

}  // namespace velloran::hid
