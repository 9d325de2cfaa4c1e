#pragma once
// formOptions without its widgets: what the Preferences dialog shows, the defaults it writes
// when it is the first to find a setting empty, which of its buttons are enabled, and what
// applying the edited values writes and puts in force.
#include <string>

#include "engine/engine_timings.h"
#include "settings/file_association.h"
#include "settings/settings_names.h"
#include "settings/settings_store.h"

namespace velloran {

// A timing setting, edited in a text box beside a scroll bar over [minimum, maximum].
struct TimingSetting {
    const char* name;
    const char* defaultText;
    int minimum;
    int maximum;
    int smallStep;
    int largeStep;
};

inline constexpr TimingSetting kKeyHoldSetting{
    settings::kKeyHold, settings::kKeyHoldDefault, 0, 500, 5, 25};
inline constexpr TimingSetting kRepeatRateSetting{
    settings::kRepeatRate, settings::kRepeatRateDefault, 0, 1000, 100, 100};
inline constexpr TimingSetting kRotaryRateSetting{
    settings::kRotaryRate, settings::kRotaryRateDefault, 0, 500, 5, 25};

// A timing text typed outside the setting's range becomes the nearest bound, so that no value
// outside it is ever stored; a text within the range, or that is no number yet ("", "-"),
// stays as typed.
std::string clampTimingText(const TimingSetting& setting, const std::string& text);

// The texts the dialog edits.
struct PreferencesValues {
    bool associate = false;
    std::string keyHold;
    std::string repeatRate;
    std::string rotaryRate;
    std::string configFolder;

    bool operator==(const PreferencesValues&) const = default;
};

// What the window does with applied values: the timings go to the mapping engine at once, also
// in the middle of a test.
struct AppliedPreferences {
    bool associate = false;
    std::string configFolder;  // ends in "/"
    EngineTimings timings;

    bool operator==(const AppliedPreferences&) const = default;
};

// The check box caption: "Edit *.vlz files in " and the program's title.
std::string associateCaption();

// Reads the settings as the dialog opens. An empty "associate" is written "False"; empty
// timings get their defaults written (RepeatRate, RotaryRate, KeyHold in this order); a folder
// without its trailing "/" gets one and an empty folder is `defaultFolder`, both written back.
PreferencesValues loadPreferences(SettingsStore& store, const std::string& defaultFolder);

// Writes "associate" and applies the association in that state, writes the folder (the default
// when empty, with a trailing "/"), and writes each timing as the number its text starts with,
// held within its range.
AppliedPreferences applyPreferences(SettingsStore& store, FileAssociation& association,
                                    const PreferencesValues& values,
                                    const std::string& defaultFolder);

// cmdOK, cmdApply and cmdCancel.
struct PreferencesButtons {
    bool ok = false;
    bool apply = false;
    bool cancel = true;

    // A value was edited: it can be applied.
    void edited() { ok = apply = true; }
    // Applied: nothing left to apply or to cancel.
    void applied() { apply = cancel = false; }

    bool operator==(const PreferencesButtons&) const = default;
};

}  // namespace velloran
