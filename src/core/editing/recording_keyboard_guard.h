#pragma once
// The keyboard guard of record mode: it keeps the desktop's window-switching combinations away
// while keys are recorded, and turns the navigation keys, which would move the table's selection,
// into Key steps. Key-down and key-up events are decided alike, so a navigation key is decoded
// twice, identically.
#include <cstdint>
#include <string_view>

#include "keys/kb_decode.h"

namespace velloran {

// A key event as the guard sees it: the virtual-key code and the modifiers held at that moment.
struct GuardKeyEvent {
    std::uint16_t virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct GuardDecision {
    enum class Action { PassOn, Block, Decode };
    Action action = Action::PassOn;
    std::string_view feedback;  // for Block: "CTRL + ESC blocked" and the like
    int shiftMask = 0;          // for Decode: the modifier mask for the decoder

    bool swallowed() const { return action != Action::PassOn; }
    bool operator==(const GuardDecision&) const = default;
};

// CTRL + ESC, ALT + TAB and ALT + ESC are blocked (tested in that order); TAB, HOME, END,
// PAGE UP, PAGE DOWN and the arrows are decoded with the held modifiers; anything else passes.
GuardDecision keyboardGuardDecision(const GuardKeyEvent& event);

// Decides an event and decodes it when that is the decision. The caller shows the feedback of a
// blocked combination and swallows the event when the decision says so.
GuardDecision guardKeyEvent(const GuardKeyEvent& event, KeyDecodeHost& decoder);

}  // namespace velloran
