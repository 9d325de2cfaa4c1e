#include "history/edit_histories.h"

#include <iterator>

namespace velloran {

void EditHistories::follow(const TableDictionary& tables, const ConfigurationList& list) {
    for (auto it = histories_.begin(); it != histories_.end();) {
        const ListEntry* entry = list.find(it->first);
        const bool open = tables.contains(it->first) && entry != nullptr &&
                          entry->state != state::Listed;
        it = open ? std::next(it) : histories_.erase(it);
    }
    for (const TableDictionary::Entry& e : tables) {
        const ListEntry* entry = list.find(e.key);
        if (e.index == TableDictionary::kTemplateIndex || entry == nullptr ||
            entry->state == state::Listed) {
            continue;
        }
        auto [it, added] = histories_.try_emplace(e.key, *e.table);
        if (!added && entry->state == state::Unchanged) it->second.markSaved(*e.table);
    }
}

void EditHistories::record(const std::string& key, const MappingTable& table) {
    auto [it, added] = histories_.try_emplace(key, table);
    if (!added) it->second.record(table);
}

TableHistory* EditHistories::find(std::string_view key) {
    const auto it = histories_.find(key);
    return it == histories_.end() ? nullptr : &it->second;
}

const TableHistory* EditHistories::find(std::string_view key) const {
    const auto it = histories_.find(key);
    return it == histories_.end() ? nullptr : &it->second;
}

}  // namespace velloran
