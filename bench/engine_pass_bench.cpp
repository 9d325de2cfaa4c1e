// One poll pass of the mapping engine over 8 devices of 128 buttons, every button mapped and none
// pressed: the cost of a timer tick while the user is not touching anything.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "table/default_rows.h"
#include "keys/recording_output.h"
#include "engine/mapping_engine.h"

namespace {

using namespace velloran;

constexpr int kDevices = 8;
constexpr int kButtons = 128;

class StillClock : public Clock {
public:
    double now() override { return 0; }
    void sleepMs(double) override {}
};

class IdleDevice : public InputDevice {
public:
    explicit IdleDevice(std::string identity)
        : info_{DeviceKind::Joystick, kButtons, identity, "Pad " + identity} {}
    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>&) override { return ReadStatus::NoChange; }
    bool pressed(int) const override { return false; }
    void acquire() override {}

private:
    DetectedDevice info_;
};

class SilentView : public EngineView {
public:
    void setStatusPanel(int, std::string_view) override {}
    void setRowLook(int, RowLook) override {}
    void clearFeedback() override {}
    void refreshTable() override {}
};

void BM_IdlePass(benchmark::State& state) {
    std::vector<std::unique_ptr<IdleDevice>> owned;
    EngineDevices devices;
    MappingTable table;
    for (int d = 0; d < kDevices; ++d) {
        const std::string identity = "{device-" + std::to_string(d) + "}";
        owned.push_back(std::make_unique<IdleDevice>(identity));
        devices.devices.push_back(owned.back().get());
        for (int b = 1; b <= kButtons; ++b) {
            MappingRow row = defaultRow(ButtonEntry{b, "Pad", identity}, colour::ActiveRow);
            row.cell(col::FirstPress) = Cell{"SHIFT + A", Tag::text("A")};
            row.cell(col::FirstRelease) = Cell{"B", Tag::text("B")};
            table.append(std::move(row));
        }
    }
    StillClock clock;
    RecordingOutput output(clock);
    SilentView view;
    MappingEngine engine(output, clock, view, {true});
    engine.setDevices(std::move(devices));
    engine.compile(table);

    for (auto _ : state) engine.MyDXCallback();
    state.counters["buttons"] = kDevices * kButtons;
}
BENCHMARK(BM_IdlePass);

}  // namespace

BENCHMARK_MAIN();
