#pragma once
// `runvale --dry-run EVENTS FILE`: what a run of FILE would send for the scripted events of
// EVENTS (mapping/dry_run_script.h), one line per key batch. Reads no settings.
#include <optional>
#include <ostream>
#include <string>

#include "base/file_system.h"
#include "engine/dry_run.h"
#include "engine/dry_run_script.h"

namespace velloran::runvale {

// The script of EVENTS; an error line on `err` and nothing when it cannot be read.
std::optional<DryRunScript> loadScript(FileSystem& fs, const std::string& eventsPath,
                                       std::ostream& err);

// The batch lines go to `out` and nothing else does (keys by name with `keyNames`); errors and
// warnings about devices the script and the file do not share go to `err`. Returns 0, or 2
// when the script or the file cannot be read.
int dryRunCommand(FileSystem& fs, const std::string& eventsPath, const std::string& file,
                  const DryRunOptions& options, bool keyNames, std::ostream& out,
                  std::ostream& err);

}  // namespace velloran::runvale
