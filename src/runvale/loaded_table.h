#pragma once
// A configuration file loaded as the editor opens it, as the Mapping table a run plays.
#include <optional>
#include <ostream>
#include <string>

#include "base/file_system.h"
#include "base/message_box.h"
#include "table/mapping_table.h"

namespace velloran::runvale {

// "Title: text" on one line; the message's line breaks become blanks.
std::string messageLine(const Message& box);

// The table of the file at `path`. The boxes the editor would show go to `log`, one line each;
// a file that fails to load gives nothing, after its failure's line.
std::optional<MappingTable> loadTable(FileSystem& fs, const std::string& path, std::ostream& log);

}  // namespace velloran::runvale
