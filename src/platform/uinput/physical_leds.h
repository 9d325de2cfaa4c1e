#pragma once
// The lock LEDs of the physical keyboards, read with EVIOCGLED from the event nodes this user
// may open (the udev rule admits the users who may send keys).
#include <optional>
#include <string>

namespace velloran {

// The LED bits (keys/lock_state_source.h) of the first readable keyboard with lock LEDs among
// /dev/input/event*, skipping `ownNode` (the virtual keyboard itself); nothing when none is.
std::optional<unsigned> physicalKeyboardLeds(const std::string& ownNode);

}  // namespace velloran
