#include "replay_command.h"

#include "chosen_output.h"
#include "dry_run_command.h"
#include "exit_status.h"
#include "keys/held_key_guard.h"
#include "loaded_table.h"
#include "loop/run_clock.h"

namespace velloran::runvale {
namespace {

// Milliseconds since the replay started, on the run's clock (whose holds end at a stop).
class ReplayClock final : public Clock {
public:
    explicit ReplayClock(RunClock& clock) : clock_(clock), start_(clock.now()) {}
    double now() override { return (clock_.now() - start_) * 1000; }
    void sleepMs(double milliseconds) override { clock_.sleepMs(milliseconds); }

private:
    RunClock& clock_;
    double start_;
};

}  // namespace

int replayCommand(FileSystem& fs, const std::string& eventsPath, const std::string& file,
                  const DryRunOptions& options, const std::string& outputName, std::ostream& log) {
    const std::optional<DryRunScript> script = loadScript(fs, eventsPath, log);
    if (!script) return kExitFailed;
    const std::optional<MappingTable> table = loadTable(fs, file, log);
    if (!table) return kExitFailed;

    auto control = RunControl::create();
    if (!control) {
        log << control.error().description << std::endl;
        return kExitFailed;
    }
    RunControl& ctl = *control.value();
    HeldKeyGuard* guardSeen = nullptr;
    RunClock runClock(ctl, [&guardSeen] {
        if (guardSeen != nullptr) guardSeen->stop();
    });
    ChosenOutput output = chooseOutput(outputName, runClock, log);
    if (!output.output) return kExitFailed;
    HeldKeyGuard guard(*output.output);
    guardSeen = &guard;

    ReplayClock clock(runClock);
    playScript(*table, *script, options, guard, clock, [&](double start) {
        for (double left = start - clock.now(); left > 0 && !ctl.stopRequested();
             left = start - clock.now()) {
            ctl.wait(left);
        }
        return !ctl.stopRequested();
    });
    guard.stop();
    guard.releaseHeld();
    if (output.recording != nullptr) log << output.recording->heldReport() << std::endl;
    return kExitOk;
}

}  // namespace velloran::runvale
