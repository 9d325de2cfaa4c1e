#include "engine/engine_timings.h"

#include "settings/setting_values.h"
#include "settings/settings_names.h"

namespace velloran {

EngineTimings readEngineTimings(SettingsStore& store) {
    EngineTimings t;
    t.repeatDelay =
        numberSetting(store, settings::kRepeatRate, settings::kRepeatRateDefault) / 1000;
    t.rotaryThreshold =
        numberSetting(store, settings::kRotaryRate, settings::kRotaryRateDefault) / 1000;
    t.keyHoldMs = numberSetting(store, settings::kKeyHold, settings::kKeyHoldDefault);
    return t;
}

}  // namespace velloran
