#include "loop/runner.h"

#include "engine/pass_schedule.h"

namespace velloran::runvale {

Runner::Runner(KeyOutput& output, Clock& clock, std::vector<DeviceSource> sources,
               std::ostream& log)
    : clock_(clock),
      log_(log),
      engine_(output, clock, view_, EngineOptions{.stopAtRowCount = false}),
      sources_(std::move(sources)) {
    for (const DeviceSource& s : sources_) schedules_.emplace_back(static_cast<bool>(s.changes));
}

void Runner::play(const MappingTable& table) {
    if (playing_) {
        slots_.releaseAll();
        engine_.MyDXCallback();
    }
    slots_.plan(table);
    for (std::size_t s = 0; s < sources_.size() && slots_.missing(); ++s) detect(s);

    EngineDevices devices;
    for (const DeviceSource& s : sources_) devices.backends.push_back(s.backend.get());
    devices.devices = slots_.devices();
    engine_.setDevices(std::move(devices));
    engine_.compile(table);
    playing_ = true;

    slots_.takeEvents();
    logEvents(slots_.waiting());
}

void Runner::detect(std::size_t source) {
    DeviceSource& s = sources_[source];
    slots_.offer(static_cast<int>(source), s.backend->detect(), s.mode);
    schedules_[source].detected(clock_.now(), s.changes ? s.changes() : 0);
}

void Runner::pass() {
    engine_.MyDXCallback();
    for (std::size_t s = 0; s < sources_.size(); ++s) {
        const std::uint64_t changes = sources_[s].changes ? sources_[s].changes() : 0;
        if (schedules_[s].due(clock_.now(), slots_.missing(), changes)) detect(s);
    }
    logEvents(slots_.takeEvents());
}

void Runner::logEvents(const std::vector<DeviceEvent>& events) {
    for (const DeviceEvent& e : events) log_ << describe(e) << std::endl;
}

void Runner::run(RunControl& control, double pollMs, const std::function<void()>& reload) {
    const double poll = pollMs / 1000;
    double next = clock_.now();
    for (;;) {
        if (control.stopRequested()) return;
        const double now = clock_.now();
        if (now < next) {
            control.wait((next - now) * 1000);
            continue;  // a request may have cut the wait short
        }
        if (control.takeReload()) reload();
        pass();
        next = nextPassStart(next, clock_.now(), poll);
    }
}

}  // namespace velloran::runvale
