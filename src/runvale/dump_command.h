#pragma once
// `runvale --dump FILE`: what the editor would load from a configuration file, as JSON.
#include <ostream>
#include <string>

#include "base/file_system.h"

namespace velloran::runvale {

// Loads `path` with no device detected and prints one JSON document on `out`. Returns the exit
// status: 0 when it loaded, 2 when the load failed, 3 when the file is missing.
int dumpCommand(FileSystem& fs, const std::string& path, std::ostream& out);

}  // namespace velloran::runvale
