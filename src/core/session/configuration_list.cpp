#include "session/configuration_list.h"

#include <algorithm>

#include "settings/key_path.h"

namespace velloran {

namespace {

bool textBefore(std::string_view a, std::string_view b) {
    return KeyNameLess{}(a, b);
}

}  // namespace

bool ConfigurationList::add(ListEntry entry) {
    if (position(entry.key) >= 0) return false;
    // After every entry whose text is not greater, so equal texts keep the order they came in.
    const auto at = std::upper_bound(
        entries_.begin(), entries_.end(), entry.text,
        [](const std::string& text, const ListEntry& e) { return textBefore(text, e.text); });
    entries_.insert(at, std::move(entry));
    return true;
}

bool ConfigurationList::remove(std::string_view key) {
    const int at = position(key);
    if (at < 0) return false;
    const bool wasSelected = sameKeyName(selectedKey_, key);
    entries_.erase(entries_.begin() + at);
    if (wasSelected) {
        if (entries_.empty()) {
            selectedKey_.clear();
        } else {
            const auto next = std::min(static_cast<std::size_t>(at), entries_.size() - 1);
            selectedKey_ = entries_[next].key;
        }
    }
    return true;
}

bool ConfigurationList::rename(std::string_view key, std::string text) {
    const int at = position(key);
    if (at < 0) return false;
    ListEntry entry = std::move(entries_[static_cast<std::size_t>(at)]);
    entries_.erase(entries_.begin() + at);
    entry.text = std::move(text);
    add(std::move(entry));
    return true;
}

ListEntry* ConfigurationList::find(std::string_view key) {
    const int at = position(key);
    return at < 0 ? nullptr : &entries_[static_cast<std::size_t>(at)];
}

const ListEntry* ConfigurationList::find(std::string_view key) const {
    const int at = position(key);
    return at < 0 ? nullptr : &entries_[static_cast<std::size_t>(at)];
}

ListEntry* ConfigurationList::selected() {
    return selectedKey_.empty() ? nullptr : find(selectedKey_);
}

const ListEntry* ConfigurationList::selected() const {
    return selectedKey_.empty() ? nullptr : find(selectedKey_);
}

void ConfigurationList::select(std::string_view key) {
    const ListEntry* entry = find(key);
    selectedKey_ = entry == nullptr ? std::string() : entry->key;
}

void ConfigurationList::colourByOpenState() {
    for (ListEntry& e : entries_) e.colour = e.ghosted ? listcolour::Closed : listcolour::Open;
}

int ConfigurationList::position(std::string_view key) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (sameKeyName(entries_[i].key, key)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace velloran
