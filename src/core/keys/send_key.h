#pragma once
// Typing compiled steps and setting lock keys through a key output.
#include <cstdint>

#include "base/clock.h"
#include "keys/compiled_row.h"
#include "keys/key_output.h"

namespace velloran {

// Types step `step` (1..16) of `row`: its keys down in slot order up to the first empty slot, in
// one batch; a hold of `holdMs` (rounded to whole milliseconds, no wait at 0); then the same keys
// up in reverse order, in one batch. A key without a scan code cannot be typed and is left out.
void SendKey(KeyOutput& output, Clock& clock, const CompiledRow& row, int step, double holdMs);

// Brings a lock key (vk::NumLock, vk::CapsLock, vk::ScrollLock) into `wanted` (0 off, 1 on):
// unless the whole key state equals `wanted`, one batch of its press and release toggles it. A
// lock key held down reads as neither 0 nor 1 and is toggled.
void SetKeyState(KeyOutput& output, std::uint16_t virtualKey, int wanted);

}  // namespace velloran
