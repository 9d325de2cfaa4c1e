#pragma once
// What the virtual keyboard advertises and the input events a batch of key records becomes.
#include <linux/input.h>

#include <cstdint>
#include <span>
#include <vector>

#include "keys/key_output.h"
#include "keys/key_translation.h"

namespace velloran {

// Every Linux key code that a key of the scan-code table can produce under any layout (each key
// position the table names, 1..0x58), ascending, no duplicates.
std::vector<std::uint16_t> producibleKeyCodes();

// The events of one batch, in record order, cut into frames each closed by a SYN_REPORT. Readers
// take the events of a frame in order, but a key that goes down and up inside one frame may be
// merged into no change at all; so a frame ends before a key that it already holds an event for.
// The press records of a step thus go out as one frame, a lock toggle (press, release) as two.
// Records whose scan code has no Linux key code are left out. Keys go where `routing` sends them
// under `translation`; the overload without them sends every key by its US position.
std::vector<input_event> uinputEventsOf(std::span<const KeyRecord> batch, KeyRouting& routing,
                                        const KeyTranslation& translation);
std::vector<input_event> uinputEventsOf(std::span<const KeyRecord> batch);

// The frame that lets go of the given held Linux key codes; empty when none is held. Sent just
// before the keyboard goes: once it is gone, no reader can be told anything about it.
std::vector<input_event> releaseEventsOf(const std::vector<std::uint16_t>& heldCodes);

}  // namespace velloran
