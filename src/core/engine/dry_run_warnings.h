#pragma once
// What a dry run warns about before it plays: an events script and a configuration that do not
// name the same devices play nothing for the devices they miss, which looks like a broken file.
#include <string>
#include <vector>

#include "engine/dry_run_script.h"
#include "table/mapping_table.h"

namespace velloran {

// One line each, in script order then table order:
//   "Warning: device 2 [IDENTITY] of the events matches no row of the configuration"
//   "Warning: the configuration maps NAME [IDENTITY], which no \"device\" line declares"
// Identities are compared without regard to case, as the engine matches them.
std::vector<std::string> dryRunWarnings(const MappingTable& table, const DryRunScript& script);

}  // namespace velloran
