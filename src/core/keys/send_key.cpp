#include "keys/send_key.h"

#include <array>
#include <cassert>
#include <cmath>
#include <span>

#include "keys/scan_codes.h"

namespace velloran {

void SendKey(KeyOutput& output, Clock& clock, const CompiledRow& row, int step, double holdMs) {
    assert(step >= 1 && step <= kStepsPerMacro);
    const CompiledStep& keys = row.steps[static_cast<std::size_t>(step - 1)];
    std::size_t used = 0;
    while (used < keys.size() && keys[used].virtualKey != 0) ++used;

    std::array<KeyRecord, kKeysPerStep> batch{};
    std::size_t count = 0;
    for (std::size_t slot = 0; slot < used; ++slot) {
        if (keys[slot].scanCode != 0) batch[count++] = KeyRecord{keys[slot].scanCode, false};
    }
    if (count == 0) return;
    output.send(std::span(batch.data(), count));

    const double hold = std::nearbyint(holdMs);
    if (hold > 0) clock.sleepMs(hold);

    count = 0;
    for (std::size_t slot = used; slot-- > 0;) {
        if (keys[slot].scanCode != 0) batch[count++] = KeyRecord{keys[slot].scanCode, true};
    }
    output.send(std::span(batch.data(), count));
}

void SetKeyState(KeyOutput& output, std::uint16_t virtualKey, int wanted) {
    if (output.keyState(virtualKey) == wanted) return;
    const std::uint16_t scanCode = scanCodeOf(virtualKey);
    const std::array<KeyRecord, 2> toggle{KeyRecord{scanCode, false}, KeyRecord{scanCode, true}};
    output.send(toggle);
}

}  // namespace velloran
