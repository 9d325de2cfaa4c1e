#pragma once
// The timing values of the engine. They can change while a test runs and apply from the next use.
#include "settings/settings_store.h"

namespace velloran {

struct EngineTimings {
    double repeatDelay = 0.5;        // seconds: a held Repeat row resends after more than this
    double rotaryThreshold = 0.035;  // seconds: rotary presses closer than this are multiplied
    double keyHoldMs = 0;            // milliseconds each step's keys stay down

    bool operator==(const EngineTimings&) const = default;
};

// The timings from the settings "RepeatRate", "RotaryRate" and "KeyHold" (milliseconds), each
// written with its default when it reads empty.
EngineTimings readEngineTimings(SettingsStore& store);

}  // namespace velloran
