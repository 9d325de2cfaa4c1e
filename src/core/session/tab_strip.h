#pragma once
// The tab strip over the Mapping tables: one tab per open configuration, newest first, or the
// single "BLANK" placeholder while nothing is open.
#include <string>
#include <string_view>
#include <vector>

namespace velloran {

inline constexpr std::string_view kBlankKey = "BLANK";

struct Tab {
    std::string key;  // configuration key, or "BLANK" for the placeholder
    std::string caption;

    bool operator==(const Tab&) const = default;
};

class TabStrip {
public:
    // The strip as designed: the placeholder alone, selected.
    TabStrip() { resetToPlaceholder(); }

    const std::vector<Tab>& tabs() const { return tabs_; }
    bool empty() const { return tabs_.empty(); }
    int size() const { return static_cast<int>(tabs_.size()); }
    // Whether the first tab is the placeholder (or there is none): no configuration is open.
    bool noneOpen() const;

    // Inserts the tab at the front and selects nothing new; false when the key has a tab.
    bool insertFront(Tab tab);
    // Removes the key's tab; a removed selection moves to the first tab.
    bool remove(std::string_view key);
    // Removes the placeholder when it is the first tab, before a configuration's tab is added.
    void dropPlaceholder();
    bool rename(std::string_view key, std::string caption);
    const Tab* find(std::string_view key) const;

    // The selected tab, or nullptr when the strip is empty.
    const Tab* selected() const;
    int selectedIndex() const { return selected_; }
    bool select(std::string_view key);
    bool selectIndex(int index);

    // Only the placeholder, selected.
    void resetToPlaceholder();

private:
    int position(std::string_view key) const;

    std::vector<Tab> tabs_;
    int selected_ = -1;
};

}  // namespace velloran
