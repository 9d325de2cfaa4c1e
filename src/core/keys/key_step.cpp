#include "keys/key_step.h"

#include <cassert>
#include <utility>

#include "keys/compiled_row.h"
#include "keys/key_names.h"
#include "keys/scan_codes.h"

namespace velloran {

std::string_view modifierPrefix(int mask) {
    const bool shift = (mask & modifier::Shift) != 0;
    const bool ctrl = (mask & modifier::Ctrl) != 0;
    const bool alt = (mask & modifier::Alt) != 0;
    if (shift && ctrl && alt) return "SHIFT + CTRL + ALT + ";
    if (shift && alt) return "SHIFT + ALT + ";
    if (shift && ctrl) return "SHIFT + CTRL + ";
    if (ctrl && alt) return "CTRL + ALT + ";
    if (shift) return "SHIFT + ";
    if (ctrl) return "CTRL + ";
    if (alt) return "ALT + ";
    return "";
}

ResolvedKey resolveKey(std::uint16_t virtualKey) {
    return {virtualKey, scanCodeOf(virtualKey)};
}

void Decode_Scancodes(CompiledRow& row, std::string_view text, std::string_view name, int step) {
    assert(step >= 1 && step <= kStepsPerMacro);
    CompiledStep& keys = row.steps[static_cast<std::size_t>(step - 1)];
    keys = CompiledStep{};
    std::size_t slot = 0;
    for (const auto& [word, code] : {std::pair{std::string_view("SHIFT"), vk::Shift},
                                     std::pair{std::string_view("CTRL"), vk::Ctrl},
                                     std::pair{std::string_view("ALT"), vk::Alt}}) {
        if (text.find(word) != std::string_view::npos) keys[slot++] = resolveKey(code);
    }
    keys[slot] = resolveKey(keyCodeOfName(name));
}

}  // namespace velloran
