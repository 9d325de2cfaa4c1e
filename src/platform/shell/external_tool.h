#pragma once
// Running a helper program of the desktop (update-mime-database, ...) and waiting for it.
#include <string>
#include <vector>

namespace velloran {

enum class ToolRun {
    Ran,     // it ran to its end, whatever its exit status
    Absent,  // not on the search path: the caller goes on without it
    Failed,  // it could not be started or waited for
};

// Runs `program` (looked up on the search path) with `arguments`, its output discarded.
ToolRun runTool(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace velloran
