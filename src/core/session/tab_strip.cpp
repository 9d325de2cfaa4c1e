#include "session/tab_strip.h"

#include "settings/key_path.h"

namespace velloran {

bool TabStrip::noneOpen() const {
    return tabs_.empty() || sameKeyName(tabs_.front().key, kBlankKey);
}

bool TabStrip::insertFront(Tab tab) {
    if (position(tab.key) >= 0) return false;
    tabs_.insert(tabs_.begin(), std::move(tab));
    if (selected_ >= 0) ++selected_;
    return true;
}

bool TabStrip::remove(std::string_view key) {
    const int at = position(key);
    if (at < 0) return false;
    tabs_.erase(tabs_.begin() + at);
    if (tabs_.empty()) {
        selected_ = -1;
    } else if (selected_ == at) {
        selected_ = 0;
    } else if (selected_ > at) {
        --selected_;
    }
    return true;
}

void TabStrip::dropPlaceholder() {
    if (!tabs_.empty() && sameKeyName(tabs_.front().key, kBlankKey)) remove(kBlankKey);
}

bool TabStrip::rename(std::string_view key, std::string caption) {
    const int at = position(key);
    if (at < 0) return false;
    tabs_[static_cast<std::size_t>(at)].caption = std::move(caption);
    return true;
}

const Tab* TabStrip::find(std::string_view key) const {
    const int at = position(key);
    return at < 0 ? nullptr : &tabs_[static_cast<std::size_t>(at)];
}

const Tab* TabStrip::selected() const {
    return selected_ < 0 ? nullptr : &tabs_[static_cast<std::size_t>(selected_)];
}

bool TabStrip::select(std::string_view key) {
    return selectIndex(position(key));
}

bool TabStrip::selectIndex(int index) {
    if (index < 0 || index >= size()) return false;
    selected_ = index;
    return true;
}

void TabStrip::resetToPlaceholder() {
    tabs_.assign(1, Tab{std::string(kBlankKey), ""});
    selected_ = 0;
}

int TabStrip::position(std::string_view key) const {
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (sameKeyName(tabs_[i].key, key)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace velloran
