#pragma once
// The table dictionary: which Mapping table belongs to which open configuration. Keys are
// configuration keys compared without regard to case; index 0 is the template table shown while
// nothing is open, every other table takes the lowest free index so that indices are reused.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/mapping_table.h"

namespace velloran {

class TableDictionary {
public:
    static constexpr std::string_view kTemplateKey = "BLANK";
    static constexpr int kTemplateIndex = 0;

    struct Entry {
        std::string key;
        int index = 0;
        std::unique_ptr<MappingTable> table;  // stable address while the entry lives
    };

    // Registers the template table at index 0 under `key` and empties it. Any other entry for
    // the key, and any earlier key of index 0, is dropped.
    MappingTable& registerTemplate(std::string_view key);

    // The table of `key` with its rows removed, or a new empty table at the lowest free index.
    MappingTable& getOrCreate(std::string_view key);

    // Drops the entry and its table (a closed configuration); false when the key has none. The
    // template belongs to the window and is never dropped.
    bool remove(std::string_view key);

    bool contains(std::string_view key) const { return positionOfKey(key) != kNone; }
    std::optional<int> indexOf(std::string_view key) const;
    MappingTable* find(std::string_view key);
    const MappingTable* find(std::string_view key) const;
    MappingTable* tableAt(int index);
    const MappingTable* tableAt(int index) const;

    // Every entry in the order the keys were added, hidden tables included.
    std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries_.end(); }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t positionOfKey(std::string_view key) const;
    std::size_t positionOfIndex(int index) const;
    MappingTable* tableAtPosition(std::size_t position) const;
    int lowestFreeIndex() const;

    std::vector<Entry> entries_;
};

}  // namespace velloran
