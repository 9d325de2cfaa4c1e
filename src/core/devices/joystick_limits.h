#pragma once
// Buttons beyond this number of a game controller are not read (the Button table and the button
// map of a configuration never address them).

namespace velloran {

inline constexpr int kMaxJoystickButtons = 128;

}  // namespace velloran
