#include "settings/preferences.h"

#include "base/version.h"
#include "table/tag.h"
#include "settings/setting_values.h"

namespace velloran {
namespace {

std::string withSlash(std::string folder) {
    if (!folder.ends_with('/')) folder += '/';
    return folder;
}

void save(SettingsStore& store, const char* name, const std::string& value) {
    store.SaveString(Root::CurrentUser, kConfigKey, name, value);
}

// The timing's text as a number, written back as decimal text.
double applyTiming(SettingsStore& store, const TimingSetting& setting, const std::string& text) {
    const double value = numericValue(clampTimingText(setting, text));
    save(store, setting.name, numberToText(value));
    return value;
}

}  // namespace

std::string clampTimingText(const TimingSetting& setting, const std::string& text) {
    const double value = numericValue(text);
    if (value < setting.minimum) return std::to_string(setting.minimum);
    if (value > setting.maximum) return std::to_string(setting.maximum);
    return text;
}

std::string associateCaption() {
    return std::string("Edit *.vlz files in ") + kProductName;
}

PreferencesValues loadPreferences(SettingsStore& store, const std::string& defaultFolder) {
    PreferencesValues v;
    v.associate = isTrueText(settingOrDefault(store, settings::kAssociate, settings::kFalse));
    v.repeatRate = settingOrDefault(store, kRepeatRateSetting.name, kRepeatRateSetting.defaultText);
    v.rotaryRate = settingOrDefault(store, kRotaryRateSetting.name, kRotaryRateSetting.defaultText);
    v.keyHold = settingOrDefault(store, kKeyHoldSetting.name, kKeyHoldSetting.defaultText);

    const std::string folder =
        store.GetString(Root::CurrentUser, kConfigKey, settings::kConfigPath);
    v.configFolder = folder.empty() ? defaultFolder : withSlash(folder);
    if (v.configFolder != folder) save(store, settings::kConfigPath, v.configFolder);
    return v;
}

AppliedPreferences applyPreferences(SettingsStore& store, FileAssociation& association,
                                    const PreferencesValues& values,
                                    const std::string& defaultFolder) {
    AppliedPreferences out;
    out.associate = values.associate;
    save(store, settings::kAssociate, booleanText(values.associate));
    association.reg_vlz(values.associate);

    out.configFolder = values.configFolder.empty() ? defaultFolder : withSlash(values.configFolder);
    save(store, settings::kConfigPath, out.configFolder);

    out.timings.keyHoldMs = applyTiming(store, kKeyHoldSetting, values.keyHold);
    out.timings.repeatDelay = applyTiming(store, kRepeatRateSetting, values.repeatRate) / 1000;
    out.timings.rotaryThreshold = applyTiming(store, kRotaryRateSetting, values.rotaryRate) / 1000;
    return out;
}

}  // namespace velloran
