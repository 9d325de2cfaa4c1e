#pragma once
// The Configuration list: one entry per configuration file the user works with, open or not,
// kept sorted by text, with at most one selected entry.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "session/document_state.h"

namespace velloran {

// Text colours of list entries (OLE colours, blue-green-red from the high byte down).
namespace listcolour {
inline constexpr std::uint32_t Closed = 0x808080;   // grey, ghosted
inline constexpr std::uint32_t Open = 0xA56E3A;     // red 58, green 110, blue 165
inline constexpr std::uint32_t Current = 0x0000FF;  // red
}  // namespace listcolour

struct ListEntry {
    std::string key;   // configuration key: file1, file2, ...
    std::string text;  // the file name without folder
    int state = state::Listed;
    bool ghosted = true;
    std::uint32_t colour = listcolour::Closed;
    std::string iconPath;  // the file whose icon the entry shows

    bool operator==(const ListEntry&) const = default;
};

class ConfigurationList {
public:
    bool empty() const { return entries_.empty(); }
    int size() const { return static_cast<int>(entries_.size()); }
    // In display order: by text, ignoring the case of letters; equal texts in the order added.
    const std::vector<ListEntry>& entries() const { return entries_; }

    // Adds the entry in its sorted place; false (and nothing changes) when its key is taken.
    bool add(ListEntry entry);
    // Removes the entry; a removed selection moves to the entry that took its place, else to
    // the one before it.
    bool remove(std::string_view key);
    // Changes an entry's text and moves it to its sorted place.
    bool rename(std::string_view key, std::string text);

    ListEntry* find(std::string_view key);
    const ListEntry* find(std::string_view key) const;

    // The selected entry, or nullptr.
    ListEntry* selected();
    const ListEntry* selected() const;
    const std::string& selectedKey() const { return selectedKey_; }
    // Selects the entry with the key; an unknown key leaves nothing selected.
    void select(std::string_view key);
    void clearSelection() { selectedKey_.clear(); }

    // Every entry grey when ghosted (not open), in the open colour otherwise.
    void colourByOpenState();

private:
    int position(std::string_view key) const;

    std::vector<ListEntry> entries_;
    std::string selectedKey_;
};

}  // namespace velloran
