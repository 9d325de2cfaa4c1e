#pragma once
// One undo history per open configuration, keyed by configuration key.
#include <map>
#include <string>
#include <string_view>

#include "history/table_history.h"
#include "session/configuration_list.h"
#include "table/table_dictionary.h"

namespace velloran {

class EditHistories {
public:
    // Follows the open documents: a newly opened table starts a history from its rows, a closed
    // one loses its history, and the rows of a document in state 0 (just read or saved) are the
    // saved ones.
    void follow(const TableDictionary& tables, const ConfigurationList& list);

    // After an edit of the configuration with this key.
    void record(const std::string& key, const MappingTable& table);

    TableHistory* find(std::string_view key);
    const TableHistory* find(std::string_view key) const;

private:
    std::map<std::string, TableHistory, std::less<>> histories_;
};

}  // namespace velloran
