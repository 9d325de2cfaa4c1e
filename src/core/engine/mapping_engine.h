#pragma once
// The mapping engine: turns device button presses into keystrokes. Each poll pass reads every device
// once and runs each mapped button through the press rule (button down) or the release rule
// (button up). The editor's test mode and the runner drive the same engine.
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "table/mapping_table.h"
#include "devices/input_device.h"
#include "keys/key_output.h"
#include "engine/compiled_mappings.h"
#include "engine/engine_timings.h"
#include "engine/engine_view.h"

namespace velloran {

// What a pass reads. The devices belong to their back ends; both outlive their use here.
struct EngineDevices {
    std::vector<DeviceBackend*> backends;  // each told once per pass, before any device is read
    std::vector<InputDevice*> devices;     // device index = position, in detection order
};

struct EngineOptions {
    // The editor's test mode ends a device's button loop at the first button number above the
    // compiled table's row count; the runner reads every mapped button.
    bool stopAtRowCount = false;
};

class MappingEngine {
public:
    MappingEngine(KeyOutput& output, Clock& clock, EngineView& view, EngineOptions options = {});

    // New devices (after a detection): all present again, and nothing mapped until compile.
    void setDevices(EngineDevices devices);
    // Compiles `table` for the devices and puts every row in its idle state: not held, and its
    // first repeat or rotary press counting as long after the previous one.
    void compile(const MappingTable& table);

    // One poll pass. Back ends first, then each present device in order: its button changes
    // since the previous pass in order (a press shorter than the pass interval still sends both
    // macros), then the state of each mapped button in ascending order. A device that is not
    // acquired is acquired and ends the pass; one that fails or is gone is read no more.
    void MyDXCallback();

    // In force from the next rule applied, also in the middle of a test.
    void setTimings(const EngineTimings& timings) { timings_ = timings; }
    const EngineTimings& timings() const { return timings_; }

    const CompiledMappings& mappings() const { return mappings_; }
    const EngineDevices& devices() const { return devices_; }
    // Whether the device is still read (false also outside the devices).
    bool present(int device) const {
        return device >= 0 && device < static_cast<int>(present_.size()) &&
               present_[static_cast<std::size_t>(device)];
    }

private:
    static constexpr double kNever = -std::numeric_limits<double>::infinity();

    struct RowState {
        bool held = false;
        int rotaryCount = 1;  // times the last rotary press was sent; its release sends as often
        double lastRotary = kNever;
        double lastRepeat = kNever;
    };

    // False when the device ended the pass.
    bool pollDevice(std::size_t device);
    void pressRule(int row, int button, std::string_view displayText);
    void releaseRule(int row);
    // The row's macro `times` times, within its lock states.
    void sendMacro(int row, const CompiledRow& keys, int times);
    void setLocks(int numLock, int capsLock, int scrollLock);
    void finishPass(bool ended);

    KeyOutput& output_;
    Clock& clock_;
    EngineView& view_;
    EngineOptions options_;
    EngineTimings timings_;

    EngineDevices devices_;
    std::vector<bool> present_;
    CompiledMappings mappings_;
    std::vector<RowState> rows_;

    // Per pass.
    std::vector<ButtonChange> changes_;
    bool changed_ = false;     // a row changed its look
    bool anyPressed_ = false;  // a mapped button was down
    bool readFailureShown_ = false;
    std::string panelText_;
};

}  // namespace velloran
