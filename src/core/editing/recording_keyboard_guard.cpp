#include "editing/recording_keyboard_guard.h"

#include <algorithm>
#include <array>

#include "keys/key_step.h"

namespace velloran {

namespace {

inline constexpr std::uint16_t kTab = 9;
inline constexpr std::uint16_t kEscape = 27;

// TAB, HOME, END, PAGE UP, PAGE DOWN and the four arrows.
inline constexpr std::array<std::uint16_t, 9> kNavigationKeys = {9, 36, 35, 33, 34, 38, 40, 37, 39};

GuardDecision block(std::string_view feedback) {
    return GuardDecision{GuardDecision::Action::Block, feedback, 0};
}

}  // namespace

GuardDecision keyboardGuardDecision(const GuardKeyEvent& event) {
    if (event.ctrl && event.virtualKey == kEscape) return block("CTRL + ESC blocked");
    if (event.alt && event.virtualKey == kTab) return block("ALT + TAB blocked");
    if (event.alt && event.virtualKey == kEscape) return block("ALT + ESC blocked");
    if (std::ranges::find(kNavigationKeys, event.virtualKey) == kNavigationKeys.end()) return {};
    const int mask = (event.shift ? modifier::Shift : 0) + (event.ctrl ? modifier::Ctrl : 0) +
                     (event.alt ? modifier::Alt : 0);
    return GuardDecision{GuardDecision::Action::Decode, {}, mask};
}

GuardDecision guardKeyEvent(const GuardKeyEvent& event, KeyDecodeHost& decoder) {
    const GuardDecision decision = keyboardGuardDecision(event);
    if (decision.action == GuardDecision::Action::Decode) {
        KB_Decode(decoder, event.virtualKey, decision.shiftMask);
    }
    return decision;
}

}  // namespace velloran
