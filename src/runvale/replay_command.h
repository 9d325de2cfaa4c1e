#pragma once
// `runvale --replay EVENTS FILE`: plays the dry run's script on the real clock through a real key
// output, to check a configuration end to end against a window. Standard output stays empty;
// SIGINT and SIGTERM stop it with no key left down.
#include <ostream>
#include <string>

#include "base/file_system.h"
#include "engine/dry_run.h"

namespace velloran::runvale {

// News and errors go to `log`. Returns 0, or 2 when the script or the file cannot be read or no
// key output can send keys.
int replayCommand(FileSystem& fs, const std::string& eventsPath, const std::string& file,
                  const DryRunOptions& options, const std::string& outputName, std::ostream& log);

}  // namespace velloran::runvale
