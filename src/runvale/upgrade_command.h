#pragma once
// `runvale --upgrade IN OUT`: opens IN as the editor does and saves it to OUT in the current
// file version, as the editor's Save writes it.
#include <ostream>
#include <string>

#include "base/file_system.h"

namespace velloran::runvale {

// Returns the exit status: 0 when OUT was written, 2 when IN could not be loaded or OUT not
// written (OUT is then left as it was), 3 when IN is missing. Failures go to `err` as one line.
int upgradeCommand(FileSystem& fs, const std::string& in, const std::string& out,
                   std::ostream& err);

}  // namespace velloran::runvale
