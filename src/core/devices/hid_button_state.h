#pragma once
// The button states of one HID board as the library last delivered them, and the changes that
// each newly delivered state brings.
#include <array>
#include <span>
#include <vector>

#include "devices/hid_record.h"
#include "devices/input_device.h"

namespace velloran::hid {

class ButtonState {
public:
    explicit ButtonState(int buttonCount);

    // Takes a state buffer from the library (a nonzero byte is a pressed button) and appends the
    // buttons that differ from the previous state, in button order.
    void apply(std::span<const unsigned char, kStateSize> buffer,
               std::vector<ButtonChange>& changes);
    // False outside 1..button count.
    bool pressed(int button) const;

private:
    int buttonCount_;
    std::array<bool, kMaxButtons> pressed_{};
};

}  // namespace velloran::hid
