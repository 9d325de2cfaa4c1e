#include "run_command.h"

#include <signal.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "chosen_output.h"
#include "exit_status.h"
#include "keys/held_key_guard.h"
#include "loaded_table.h"
#include "loop/logged_recording_output.h"
#include "loop/run_clock.h"
#include "loop/runner.h"
#include "process/nice_process_priority.h"
#include "process/runner_lock.h"
#include "run_shell.h"
#include "virtual_devices.h"

namespace velloran::runvale {
namespace {

// A second runvale on a file that plays already hands over to the first one: the file is
// reloaded (the user may have saved it again) and its keys are sent once.
int askToReload(const RunnerLock& lock, const std::string& name, std::ostream& log) {
    if (::kill(lock.holder(), SIGHUP) != 0) {
        log << name << " is playing already (runvale process " << lock.holder()
            << "), which cannot be asked to reload it: " << std::strerror(errno) << std::endl;
        return kExitFailed;
    }
    log << name << " is playing already (runvale process " << lock.holder()
        << "): asked it to reload the file." << std::endl;
    return kExitOk;
}

}  // namespace

int runCommand(FileSystem& fs, const RunRequest& request, std::ostream& log) {
    const std::string name = std::filesystem::path(request.file).filename().string();
    // Before anything can start a thread (SDL, Qt), so that every thread leaves the stop and
    // reload signals to the run's signalfd.
    auto control = RunControl::create();
    if (!control) {
        log << control.error().description << std::endl;
        return kExitFailed;
    }
    RunControl& ctl = *control.value();
    // Taken once the reload signal goes to the run's signalfd: a second runvale may send it as
    // soon as the lock is held.
    const RunnerLock lock = RunnerLock::acquire(request.file);
    if (lock.outcome() == RunnerLock::Outcome::Held) return askToReload(lock, name, log);
    if (lock.outcome() == RunnerLock::Outcome::None) {
        log << "Nothing keeps a second runvale from playing " << name << ": " << lock.reason()
            << std::endl;
    }
    std::optional<MappingTable> table = loadTable(fs, request.file, log);
    if (!table) return kExitFailed;

    HeldKeyGuard* guardSeen = nullptr;
    RunClock clock(ctl, [&guardSeen] {
        if (guardSeen != nullptr) guardSeen->stop();
    });

    ChosenOutput output = chooseOutput(request.output, clock, log);
    if (!output.output) return kExitFailed;
    HeldKeyGuard guard(*output.output);
    guardSeen = &guard;

    std::string settingsPlace;
    const std::unique_ptr<SettingsStore> settings = openSettingsStore(settingsPlace);

    std::vector<DeviceSource> sources = openDeviceSources(log);
    auto virtualPads = attachVirtualDevices(request.virtualDevices);
    if (!virtualPads) {
        log << virtualPads.error().description << std::endl;
        return kExitFailed;
    }

    NiceProcessPriority priority;
    const int priorityBefore = priority.get();
    if (priorityBefore != priority::High) priority.set(priority::High);

    Runner runner(guard, clock, std::move(sources), log);
    runner.setTimings(readEngineTimings(*settings));
    log << "Playing " << name << " (" << mappedDevices(*table).size() << " devices mapped) through "
        << output.name << "; settings from " << settingsPlace << std::endl;
    runner.play(*table);

    const auto reload = [&] {
        std::optional<MappingTable> fresh = loadTable(fs, request.file, log);
        if (!fresh) {
            log << "Keeping the configuration that runs." << std::endl;
            return;
        }
        runner.setTimings(readEngineTimings(*settings));
        runner.play(*fresh);
        log << "Reloaded " << name << std::endl;
    };
    runShown(name, ctl, [&] { runner.run(ctl, request.pollMs, reload); });

    guard.stop();
    guard.releaseHeld();
    if (priorityBefore != priority::High) priority.set(priorityBefore);
    log << "Stopped." << std::endl;
    if (output.recording != nullptr) log << output.recording->heldReport() << std::endl;
    return kExitOk;
}

}  // namespace velloran::runvale
