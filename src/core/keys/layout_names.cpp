#include "keys/layout_names.h"

#include <sstream>

namespace velloran {
namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string unquoted(std::string text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// /etc/default/keyboard: shell assignments such as XKBLAYOUT="de".
LayoutNames parseDefaultKeyboard(const std::string& text) {
    LayoutNames names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::string item = trimmed(line);
        const auto equals = item.find('=');
        if (item.empty() || item.front() == '#' || equals == std::string::npos) continue;
        const std::string key = item.substr(0, equals);
        const std::string value = unquoted(trimmed(std::string_view(item).substr(equals + 1)));
        if (key == "XKBLAYOUT") names.layout = value;
        if (key == "XKBVARIANT") names.variant = value;
        if (key == "XKBMODEL") names.model = value;
        if (key == "XKBOPTIONS") names.options = value;
    }
    return names;
}

// localed's X11 snippet: lines such as  Option "XkbLayout" "de"  inside an InputClass section.
LayoutNames parseLocaledKeyboard(const std::string& text) {
    LayoutNames names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word, key, value;
        if (!(words >> word) || word != "Option") continue;
        if (!(words >> key)) continue;
        std::getline(words, value);
        key = unquoted(key);
        value = unquoted(trimmed(value));
        if (key == "XkbLayout") names.layout = value;
        if (key == "XkbVariant") names.variant = value;
        if (key == "XkbModel") names.model = value;
        if (key == "XkbOptions") names.options = value;
    }
    return names;
}

}  // namespace

LayoutChoice chooseLayoutNames(const LayoutSettings& settings) {
    if (settings.envLayout && !settings.envLayout->empty()) {
        return {{*settings.envLayout, settings.envVariant.value_or(""), "", ""},
                "XKB_DEFAULT_LAYOUT"};
    }
    if (settings.defaultKeyboard) {
        LayoutNames names = parseDefaultKeyboard(*settings.defaultKeyboard);
        if (!names.layout.empty()) return {std::move(names), kDefaultKeyboardPath};
    }
    if (settings.localedKeyboard) {
        LayoutNames names = parseLocaledKeyboard(*settings.localedKeyboard);
        if (!names.layout.empty()) return {std::move(names), kLocaledKeyboardPath};
    }
    return {{"us", "", "", ""}, "default"};
}

std::string layoutInForceText(std::string_view layoutName, std::string_view origin) {
    std::string text = "Keyboard layout: ";
    text += layoutName.empty() ? std::string_view("unknown") : layoutName;
    text += " (";
    text += origin;
    text += ")";
    return text;
}

}  // namespace velloran
