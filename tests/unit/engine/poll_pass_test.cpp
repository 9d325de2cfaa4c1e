#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mapping_engine.h"
#include "engine_fakes.h"

namespace velloran {
namespace {

using testing::down;
using testing::FakeClock;
using testing::keysText;
using testing::LoggingBackend;
using testing::RecordingView;
using testing::row;
using testing::ScriptedDevice;
using testing::up;

// Two pads with the same button numbers; each button types a key of its own.
class PollPass : public ::testing::Test {
protected:
    void SetUp() override {
        table.append(row("PAD-B", 1, {{"B", "B"}}));
        table.append(row("PAD-A", 1, {{"A", "A"}}));
        table.append(row("PAD-A", 2, {{"C", "C"}}));
    }
    void start(EngineOptions options = {}) {
        engine = std::make_unique<MappingEngine>(out, clock, view, options);
        engine->setDevices({{&backend1, &backend2}, {&padA, &padB}});
        engine->compile(table);
    }
    std::string pass() {
        out.clearBatches();
        log.clear();
        engine->MyDXCallback();
        return keysText(out.batches());
    }

    std::vector<std::string> log;
    FakeClock clock;
    RecordingOutput out{clock};
    RecordingView view;
    LoggingBackend backend1{&log};
    LoggingBackend backend2{&log};
    ScriptedDevice padA{"PAD-A", 4, &log};
    ScriptedDevice padB{"PAD-B", 4, &log};
    MappingTable table;
    std::unique_ptr<MappingEngine> engine;
};

TEST_F(PollPass, BackEndsFirstThenEachDeviceWithItsOwnRows) {
    start();
    padA.next({down(1)});
    padB.next({down(1)});
    EXPECT_EQ(pass(), "+1E | -1E | +30 | -30");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-A", "read PAD-B"}));
    EXPECT_EQ(view.panel1, "Input Devices: Pad PAD-B");
}

TEST_F(PollPass, NotAcquiredAcquiresAndEndsThePass) {
    start();
    padA.nextStatus(ReadStatus::NotAcquired);
    padB.next({down(1)});
    view.panel1 = "kept";
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(padA.acquires, 1);
    EXPECT_EQ(padB.reads, 0);
    EXPECT_EQ(view.panel1, "kept");
    EXPECT_EQ(pass(), "+30 | -30");
}

TEST_F(PollPass, ReadFailureIsShownAndTheDeviceIsReadNoMore) {
    start();
    padA.nextStatus(ReadStatus::ReadFailure);
    pass();
    EXPECT_FALSE(engine->present(0));
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Device Read Failure!");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-B"}));

    // A press elsewhere replaces the failure, and idle passes report devices available again.
    padB.next({down(1)});
    EXPECT_EQ(pass(), "+30 | -30");
    EXPECT_EQ(view.panel1, "Input Devices: Pad PAD-B");
    padB.next({up(1)});
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Available");
}

TEST_F(PollPass, AGoneDeviceIsDroppedSilently) {
    start();
    padA.nextStatus(ReadStatus::Gone);
    pass();
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Available");
    EXPECT_EQ(padA.reads, 1);
}

TEST_F(PollPass, TestModeEndsADevicesButtonsAboveTheRowCount) {
    table.clear();
    table.append(row("PAD-A", 1, {{"A", "A"}}));
    table.append(row("PAD-B", 1, {{"B", "B"}}));
    table.append(row("PAD-A", 4, {{"E", "E"}}));  // button 4 of a 3-row table
    struct Case {
        bool stopAtRowCount;
        const char* want;
    };
    for (const Case c : {Case{true, "+30 | -30"}, Case{false, "+12 | -12 | +30 | -30"}}) {
        start({c.stopAtRowCount});
        padA.next({down(4)});
        padB.next({down(1)});
        EXPECT_EQ(pass(), c.want) << c.stopAtRowCount;
    }
}

}  // namespace
}  // namespace velloran
