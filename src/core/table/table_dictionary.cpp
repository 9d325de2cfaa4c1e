#include "table/table_dictionary.h"

#include "base/ascii_text.h"

namespace velloran {

MappingTable& TableDictionary::registerTemplate(std::string_view key) {
    const std::size_t sameKeyAt = positionOfKey(key);
    if (sameKeyAt != kNone && entries_[sameKeyAt].index != kTemplateIndex) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(sameKeyAt));
    }
    const std::size_t at = positionOfIndex(kTemplateIndex);
    if (at == kNone) {
        entries_.push_back(
            Entry{std::string(key), kTemplateIndex, std::make_unique<MappingTable>()});
        return *entries_.back().table;
    }
    entries_[at].key = std::string(key);
    entries_[at].table->clear();
    return *entries_[at].table;
}

MappingTable& TableDictionary::getOrCreate(std::string_view key) {
    if (MappingTable* existing = find(key)) {
        existing->clear();
        return *existing;
    }
    entries_.push_back(
        Entry{std::string(key), lowestFreeIndex(), std::make_unique<MappingTable>()});
    return *entries_.back().table;
}

bool TableDictionary::remove(std::string_view key) {
    const std::size_t at = positionOfKey(key);
    if (at == kNone || entries_[at].index == kTemplateIndex) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    return true;
}

std::optional<int> TableDictionary::indexOf(std::string_view key) const {
    const std::size_t at = positionOfKey(key);
    if (at == kNone) return std::nullopt;
    return entries_[at].index;
}

MappingTable* TableDictionary::find(std::string_view key) {
    return tableAtPosition(positionOfKey(key));
}

const MappingTable* TableDictionary::find(std::string_view key) const {
    return tableAtPosition(positionOfKey(key));
}

MappingTable* TableDictionary::tableAt(int index) {
    return tableAtPosition(positionOfIndex(index));
}

const MappingTable* TableDictionary::tableAt(int index) const {
    return tableAtPosition(positionOfIndex(index));
}

std::size_t TableDictionary::positionOfKey(std::string_view key) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (equalsIgnoreCase(entries_[i].key, key)) return i;
    }
    return kNone;
}

std::size_t TableDictionary::positionOfIndex(int index) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].index == index) return i;
    }
    return kNone;
}

MappingTable* TableDictionary::tableAtPosition(std::size_t position) const {
    return position == kNone ? nullptr : entries_[position].table.get();
}

int TableDictionary::lowestFreeIndex() const {
    int k = 1;
    while (positionOfIndex(k) != kNone) ++k;
    return k;
}

}  // namespace velloran
