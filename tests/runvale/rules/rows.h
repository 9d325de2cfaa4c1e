#pragma once
// Mapping rows for the runner's tests: steps are written as the table holds them, a combination
// text and a key name ("SHIFT + A", "A"); a blank step is " ".
#include <string>
#include <utility>
#include <vector>

#include "table/default_rows.h"
#include "table/mapping_table.h"

namespace velloran::rows {

using Steps = std::vector<std::pair<std::string, std::string>>;

inline MappingRow row(const std::string& identity, int button, const Steps& press,
                      const Steps& release = {}) {
    MappingRow r = defaultRow(ButtonEntry{button, "Pad " + identity, identity}, colour::ActiveRow);
    for (std::size_t k = 0; k < press.size(); ++k) {
        r.cell(col::FirstPress + static_cast<int>(k)) =
            Cell{press[k].first, Tag::text(press[k].second)};
    }
    for (std::size_t k = 0; k < release.size(); ++k) {
        r.cell(col::FirstRelease + static_cast<int>(k)) =
            Cell{release[k].first, Tag::text(release[k].second)};
    }
    return r;
}

// A step of one plain key: text and name are the key name.
inline std::pair<std::string, std::string> key(const std::string& name) {
    return {name, name};
}
inline const std::pair<std::string, std::string> kBlank{" ", " "};

inline MappingTable table(std::vector<MappingRow> rows) {
    MappingTable t;
    for (MappingRow& r : rows) t.append(std::move(r));
    return t;
}

}  // namespace velloran::rows
