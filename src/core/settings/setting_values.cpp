#include "settings/setting_values.h"

#include <cctype>
#include <charconv>

#include "settings/key_path.h"
#include "settings/settings_names.h"

namespace velloran {

std::string settingOrDefault(SettingsStore& store, const std::string& name,
                             const std::string& defaultText) {
    std::string value = store.GetString(Root::CurrentUser, kConfigKey, name);
    if (!value.empty()) return value;
    store.SaveString(Root::CurrentUser, kConfigKey, name, defaultText);
    return defaultText;
}

double numericValue(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    if (text.starts_with('+')) text.remove_prefix(1);
    // from_chars would also take "inf" and "nan"; a number begins with a digit or a point.
    const size_t body = text.starts_with('-') ? 1 : 0;
    if (body >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[body])) || text[body] == '.')) {
        return 0;
    }
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return read.ec == std::errc() ? value : 0;
}

double numberSetting(SettingsStore& store, const std::string& name,
                     const std::string& defaultText) {
    return numericValue(settingOrDefault(store, name, defaultText));
}

const char* booleanText(bool value) {
    return value ? settings::kTrue : settings::kFalse;
}

bool isTrueText(std::string_view text) {
    return sameKeyName(text, settings::kTrue);
}

}  // namespace velloran
