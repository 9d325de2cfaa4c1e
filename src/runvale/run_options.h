#pragma once
// The command line of the runner's own commands: `runvale FILE` (play), `--list-devices` and
// `--dry-run EVENTS FILE` and `--replay EVENTS FILE`, with their options.
#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "base/file_system.h"

namespace velloran::runvale {

struct RunOptions {
    std::string file;
    bool listDevices = false;
    std::string dryRunEvents;
    std::string replayEvents;
    bool keyNames = false;
    std::string virtualDevices;
    std::string output = "auto";
    long long pollMs = 10;
    long long holdMs = 0;
    long long repeatMs = 500;
    long long rotaryMs = 35;

    CLI::Option* fileOption = nullptr;
    CLI::Option* listOption = nullptr;
    CLI::Option* dryRunOption = nullptr;
    CLI::Option* replayOption = nullptr;
};

// Adds FILE to `app`, --list-devices and --dry-run to the group of exclusive `commands`, and the
// options that go with them.
void addRunOptions(CLI::App& app, CLI::Option_group& commands, RunOptions& options);

// Runs the command the options name, with its exit status; nothing when they name none.
std::optional<int> runSelected(FileSystem& fs, const RunOptions& options);

}  // namespace velloran::runvale
