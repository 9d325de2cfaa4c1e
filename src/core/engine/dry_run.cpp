#include "engine/dry_run.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "base/clock.h"
#include "engine/mapping_engine.h"
#include "engine/pass_schedule.h"
#include "engine/quiet_engine_view.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

// Counts whole milliseconds. The engine's timings are given in the same unit, so that its
// comparisons at a boundary ("more than 500 ms since") are exact rather than subject to the
// rounding of fractions of a second.
class MillisecondClock final : public Clock {
public:
    double now() override { return now_; }
    void sleepMs(double milliseconds) override { now_ += milliseconds; }
    void set(double ms) { now_ = ms; }

private:
    double now_ = 0;
};

// A device whose button changes come from the script. A pass takes its buttons in ascending
// order, each button's changes in script order.
class ScriptedDevice final : public InputDevice {
public:
    explicit ScriptedDevice(DetectedDevice info)
        : info_(std::move(info)), state_(static_cast<std::size_t>(info_.buttonCount) + 1) {}

    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>& changes) override {
        if (pending_.empty()) return ReadStatus::NoChange;
        std::stable_sort(
            pending_.begin(), pending_.end(),
            [](const ButtonChange& a, const ButtonChange& b) { return a.button < b.button; });
        for (const ButtonChange& c : pending_) {
            state_[static_cast<std::size_t>(c.button)] = c.down;
            changes.push_back(c);
        }
        pending_.clear();
        return ReadStatus::NewData;
    }
    bool pressed(int button) const override {
        return button >= 1 && button <= info_.buttonCount &&
               state_[static_cast<std::size_t>(button)];
    }
    void acquire() override {}

    void queue(int button, bool down) { pending_.push_back(ButtonChange{button, down}); }

private:
    DetectedDevice info_;
    std::vector<bool> state_;
    std::vector<ButtonChange> pending_;
};

}  // namespace

void playScript(const MappingTable& table, const DryRunScript& script, const DryRunOptions& options,
                KeyOutput& output, Clock& clock, const std::function<bool(double)>& startPass) {
    QuietEngineView view;
    MappingEngine engine(output, clock, view, EngineOptions{.stopAtRowCount = false});
    engine.setTimings(EngineTimings{static_cast<double>(options.repeatMs),
                                    static_cast<double>(options.rotaryMs),
                                    static_cast<double>(options.holdMs)});

    std::vector<std::unique_ptr<ScriptedDevice>> devices;
    EngineDevices engineDevices;
    for (const DetectedDevice& info : script.devices) {
        devices.push_back(std::make_unique<ScriptedDevice>(info));
        engineDevices.devices.push_back(devices.back().get());
    }
    engine.setDevices(std::move(engineDevices));
    engine.compile(table);

    const auto end = static_cast<double>(script.end);
    const auto poll = static_cast<double>(options.pollMs);
    std::size_t next = 0;
    for (double start = 0; start <= end; start = nextPassStart(start, clock.now(), poll)) {
        if (!startPass(start)) return;
        for (;
             next < script.events.size() && static_cast<double>(script.events[next].time) <= start;
             ++next) {
            const ScriptedEvent& e = script.events[next];
            devices[static_cast<std::size_t>(e.device - 1)]->queue(e.button, e.down);
        }
        engine.MyDXCallback();
    }
}

std::vector<SentBatch> runDryRun(const MappingTable& table, const DryRunScript& script,
                                 const DryRunOptions& options) {
    MillisecondClock clock;
    RecordingOutput output(clock);
    playScript(table, script, options, output, clock, [&clock](double start) {
        clock.set(start);
        return true;
    });
    return output.batches();
}

std::string batchLine(const SentBatch& batch, bool keyNames) {
    std::string line = std::to_string(std::llround(batch.time));
    for (const KeyRecord& r : batch.records) {
        const std::string_view name = keyNames ? keyNameOfScanCode(r.scanCode) : "";
        if (!name.empty()) {
            line += r.keyUp ? " -" : " +";
            line += name;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, " %c%02x", r.keyUp ? '-' : '+', r.scanCode & 0xFFu);
        line += code;
    }
    return line;
}

}  // namespace velloran
