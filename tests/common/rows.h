#pragma once
// Mapping rows and tables for tests. Steps are written as the table holds them, a combination
// text and a key name ("SHIFT + A", "A"); a blank step is kBlank.
#include <string>
#include <utility>
#include <vector>

#include "table/default_rows.h"
#include "table/mapping_table.h"

namespace velloran::testing {

using Step = std::pair<std::string, std::string>;
using Steps = std::vector<Step>;

// A step of one plain key: text and name are the key name.
inline Step key(const std::string& name) {
    return {name, name};
}
inline const Step kBlank{" ", " "};

// An active row for `button` of the device `identity` (named "Pad <identity>").
inline MappingRow row(const std::string& identity, int button, const Steps& press = {},
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

inline MappingTable table(std::vector<MappingRow> rows) {
    MappingTable t;
    for (MappingRow& r : rows) t.append(std::move(r));
    return t;
}

// `count` unmapped rows of the device "pad-1", buttons 1..count.
inline MappingTable padTable(int count) {
    MappingTable t;
    for (int i = 1; i <= count; ++i) t.append(row("pad-1", i));
    return t;
}

}  // namespace velloran::testing
