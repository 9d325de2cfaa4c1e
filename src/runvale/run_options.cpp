#include "run_options.h"

#include <iostream>
#include <vector>

#include "chosen_output.h"
#include "dry_run_command.h"
#include "list_devices_command.h"
#include "replay_command.h"
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
    o.replayOption =
        commands
            .add_option("--replay", o.replayEvents,
                        "Play FILE on the scripted device events of EVENTS on the real clock "
                        "through a real key output (see --output); reads no settings")
            ->type_name("EVENTS");
    o.replayOption->needs(o.fileOption);
    o.listOption->excludes(o.fileOption);

    app.add_option("--poll-ms", o.pollMs, "Milliseconds between poll passes")
        ->capture_default_str()
        ->check(CLI::Range(1LL, 1000LL));
    std::vector<CLI::Option*> timings;
    for (auto [name, value, help] :
         {std::tuple{"--hold-ms", &o.holdMs,
                     "Dry run, replay: how long each step's keys stay down"},
          std::tuple{"--repeat-ms", &o.repeatMs,
                     "Dry run, replay: the repeat delay of Repeat rows"},
          std::tuple{"--rotary-ms", &o.rotaryMs, "Dry run, replay: the rotary threshold"}}) {
        timings.push_back(app.add_option(name, *value, help)
                              ->capture_default_str()
                              ->check(CLI::NonNegativeNumber));
    }
    // Only a scripted play takes them: either command will do, which needs() cannot say.
    app.parse_complete_callback([&o, timings] {
        if (o.dryRunOption->count() > 0 || o.replayOption->count() > 0) return;
        for (CLI::Option* timing : timings) {
            if (timing->count() > 0) {
                throw CLI::ValidationError(timing->get_name(), "goes with --dry-run or --replay");
            }
        }
    });
    app.add_flag("--names", o.keyNames,
                 "Dry run: print the keys by name (\"0 +SHIFT +A\") instead of by scan code")
        ->needs(o.dryRunOption);
    app.add_option("--virtual-devices", o.virtualDevices,
                   "Attach virtual game controllers first, e.g. \"Demo Pad:12,Demo Board:32\"")
        ->type_name("LIST")
        ->excludes(o.dryRunOption)
        ->excludes(o.replayOption);
    app.add_option("--output", o.output,
                   "Where keys go: \"auto\" (uinput, else the Wayland virtual keyboard, else "
                   "XTest), \"uinput\", \"wayland\", \"xtest\", or "
                   "\"record\", a testing aid that sends none and writes each batch and, at "
                   "exit, the keys still held to standard error")
        ->capture_default_str()
        ->check(CLI::IsMember(
            std::vector<std::string>(std::begin(kOutputNames), std::end(kOutputNames))))
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
    if (o.replayOption->count() > 0) {
        const DryRunOptions options{o.pollMs, o.holdMs, o.repeatMs, o.rotaryMs};
        return replayCommand(fs, o.replayEvents, unquoted(o.file), options, o.output, std::cerr);
    }
    if (o.file.empty()) return std::nullopt;
    const RunRequest request{unquoted(o.file), static_cast<double>(o.pollMs), o.virtualDevices,
                             o.output};
    return runCommand(fs, request, std::cerr);
}

}  // namespace velloran::runvale
