#include "run_options.h"

#include <iostream>

#include "dry_run_command.h"
#include "list_devices_command.h"
#include "run_command.h"

namespace velloran::runvale {
namespace {

// A launcher that quotes the path as one parameter (as the editor's Run does on other systems)
// may hand the quotes over too.
std::string unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        return path.substr(1, path.size() - 2);
    }
    return path;
}

}  // namespace

void addRunOptions(CLI::App& app, CLI::Option_group& commands, RunOptions& o) {
    o.fileOption = app.add_option("FILE", o.file, "The configuration to play (.vlz)");
    o.listOption = commands.add_flag(
        "--list-devices", o.listDevices,
        "List the detected devices: index, kind, buttons, identity, name (tab-separated)");
    o.dryRunOption =
        commands
            .add_option("--dry-run", o.dryRunEvents,
                        "Play FILE on the scripted device events of EVENTS with a virtual clock "
                        "and print each key batch it would send; reads no settings")
            ->type_name("EVENTS");
    o.dryRunOption->needs(o.fileOption);
    o.listOption->excludes(o.fileOption);

    app.add_option("--poll-ms", o.pollMs, "Milliseconds between poll passes")
        ->capture_default_str()
        ->check(CLI::Range(1LL, 1000LL));
    for (auto [name, value, help] :
         {std::tuple{"--hold-ms", &o.holdMs, "Dry run: how long each step's keys stay down"},
          std::tuple{"--repeat-ms", &o.repeatMs, "Dry run: the repeat delay of Repeat rows"},
          std::tuple{"--rotary-ms", &o.rotaryMs, "Dry run: the rotary threshold"}}) {
        app.add_option(name, *value, help)
            ->capture_default_str()
            ->check(CLI::NonNegativeNumber)
            ->needs(o.dryRunOption);
    }
    app.add_flag("--names", o.keyNames,
                 "Dry run: print the keys by name (\"0 +SHIFT +A\") instead of by scan code")
        ->needs(o.dryRunOption);
    app.add_option("--virtual-devices", o.virtualDevices,
                   "Attach virtual game controllers first, e.g. \"Demo Pad:12,Demo Board:32\"")
        ->type_name("LIST")
        ->excludes(o.dryRunOption);
    app.add_option("--output", o.output,
                   "Testing aid: \"record\" sends no keys; each batch and, at exit, the keys "
                   "still held are written to standard error")
        ->capture_default_str()
        ->check(CLI::IsMember({"auto", "record"}))
        ->excludes(o.dryRunOption)
        ->excludes(o.listOption);
}

std::optional<int> runSelected(FileSystem& fs, const RunOptions& o) {
    if (o.listDevices) return listDevicesCommand(o.virtualDevices, std::cout, std::cerr);
    if (o.dryRunOption->count() > 0) {
        const DryRunOptions options{o.pollMs, o.holdMs, o.repeatMs, o.rotaryMs};
        return dryRunCommand(fs, o.dryRunEvents, unquoted(o.file), options, o.keyNames, std::cout,
                             std::cerr);
    }
    if (o.file.empty()) return std::nullopt;
    const RunRequest request{unquoted(o.file), static_cast<double>(o.pollMs), o.virtualDevices,
                             o.output == "record"};
    return runCommand(fs, request, std::cerr);
}

}  // namespace velloran::runvale
