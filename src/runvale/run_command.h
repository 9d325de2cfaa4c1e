#pragma once
// `runvale FILE`: plays a configuration until stopped (SIGINT, SIGTERM or the tray's Quit);
// SIGHUP reloads the file.
#include <ostream>
#include <string>

#include "base/file_system.h"

namespace velloran::runvale {

struct RunRequest {
    std::string file;
    double pollMs = 10;
    std::string virtualDevices;  // as --virtual-devices takes it
    // As --output takes it (chosen_output.h).
    std::string output = "auto";
};

// News goes to `log`. Returns 0 after a clean stop, 2 when the run cannot start (the file does
// not load, no key output can send keys, the virtual devices cannot be attached).
int runCommand(FileSystem& fs, const RunRequest& request, std::ostream& log);

}  // namespace velloran::runvale
