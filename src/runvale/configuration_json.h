#pragma once
// JSON views of what the reader loaded, as `runvale --dump` prints them. Keys keep the order in
// which they are listed, so that a dump reads like the file.
#include <nlohmann/json.hpp>

#include <ostream>

#include "base/message_box.h"
#include "file_format/configuration_file.h"
#include "table/mapping_row.h"
#include "table/tag.h"

namespace velloran::runvale {

using Json = nlohmann::ordered_json;

// A Tag as held: null, Boolean, number (integral values as integers) or string.
Json tagJson(const Tag& tag);

// {"title": …, "text": …, "icon": …}
Json messageJson(const Message& message);

// One Mapping row: its texts, its Tags and its 16 press and 16 release steps as [text, Tag].
Json rowJson(const MappingRow& row);

// Writes the JSON document of a load on `out`, without blanks. A completed load: version,
// obsolete flag, entry state, messages and rows. A failed load: the messages shown before the
// failure and the failure's error box. Rows are written one at a time: a tree of a large file's
// rows would take many times the memory of the rows themselves.
void writeLoadJson(const LoadedConfiguration& loaded, std::ostream& out);

}  // namespace velloran::runvale
