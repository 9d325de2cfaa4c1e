#pragma once
// The runner's loop: the mapping engine reading every mapped button of the devices a configuration
// maps, a pass every poll interval, devices picked up again as they come and go.
#include <functional>
#include <ostream>
#include <vector>

#include "base/clock.h"
#include "table/mapping_table.h"
#include "keys/key_output.h"
#include "loop/device_source.h"
#include "loop/run_control.h"
#include "engine/device_slots.h"
#include "engine/quiet_engine_view.h"
#include "engine/redetect_schedule.h"
#include "engine/mapping_engine.h"

namespace velloran::runvale {

class Runner {
public:
    // Device news goes to `log`, one line each.
    Runner(KeyOutput& output, Clock& clock, std::vector<DeviceSource> sources, std::ostream& log);

    void setTimings(const EngineTimings& timings) { engine_.setTimings(timings); }

    // Plays `table` from the next pass on. Buttons held under the previous table are released
    // first (their release macros run), and those still held are pressed anew under this one.
    void play(const MappingTable& table);

    // One poll pass, then the device news: detections that are due, lines on the log.
    void pass();

    // Passes every `pollMs` milliseconds until `control` says stop. Between passes it sleeps;
    // a reload request calls `reload`.
    void run(RunControl& control, double pollMs, const std::function<void()>& reload);

    const DeviceSlots& slots() const { return slots_; }

private:
    void detect(std::size_t source);
    void logEvents(const std::vector<DeviceEvent>& events);

    Clock& clock_;
    std::ostream& log_;
    QuietEngineView view_;
    MappingEngine engine_;
    std::vector<DeviceSource> sources_;
    std::vector<RedetectSchedule> schedules_;
    DeviceSlots slots_;
    bool playing_ = false;
};

}  // namespace velloran::runvale
