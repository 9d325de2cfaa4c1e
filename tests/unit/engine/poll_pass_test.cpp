#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mapping_engine.h"
#include "engine_fakes.h"

namespace velloran {
namespace {

using testing::down;
using testing::row;
using testing::up;

// Two pads with the same button numbers; each button types a key of its own.
class PollPass : public ::testing::Test {
protected:
    void start(EngineOptions options = {}) {
        engine = std::make_unique<MappingEngine>(out, clock, view, options);
        engine->setDevices({{&backend, &backend}, {&padA, &padB}});
        engine->compile(table);
    }
    std::string pass() {
        out.clearBatches();
        log.clear();
        engine->MyDXCallback();
        return testing::keysText(out.batches());
    }

    std::vector<std::string> log;
    testing::FakeClock clock;
    RecordingOutput out{clock};
    testing::RecordingView view;
    testing::LoggingBackend backend{&log};
    testing::ScriptedDevice padA{"PAD-A", 4, &log};
    testing::ScriptedDevice padB{"PAD-B", 4, &log};
    MappingTable table =
        testing::table({row("PAD-B", 1, {{"B", "B"}}), row("PAD-A", 1, {{"A", "A"}}),
                        row("PAD-A", 4, {{"E", "E"}})});
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

TEST_F(PollPass, NotAcquiredEndsThePassReadFailureAndGoneDropTheDevice) {
    start();
    padA.nextStatus(ReadStatus::NotAcquired);
    padB.next({down(1)});
    view.panel1 = "kept";
    EXPECT_EQ(pass(), "");
    EXPECT_EQ(padA.acquires, 1);
    EXPECT_EQ(view.panel1, "kept");
    EXPECT_EQ(pass(), "+30 | -30");

    padA.nextStatus(ReadStatus::ReadFailure);
    pass();
    pass();
    EXPECT_EQ(view.panel1, "Input Devices: Device Read Failure!");
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin", "read PAD-B"}));
    // A press elsewhere replaces the failure, and idle passes report devices available again.
    for (const bool pressed : {false, true, false}) {
        padB.next({{1, pressed}});
        pass();
    }
    EXPECT_EQ(view.panel1, "Input Devices: Available");

    padB.nextStatus(ReadStatus::Gone);
    pass();
    pass();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "begin"}));
    EXPECT_EQ(view.panel1, "Input Devices: Available");
}

TEST_F(PollPass, TestModeEndsADevicesButtonsAboveTheRowCount) {
    for (const auto& [stopAtRowCount, want] :
         {std::pair{true, "+30 | -30"}, {false, "+12 | -12 | +30 | -30"}}) {
        start({stopAtRowCount});
        padA.next({down(4)});
        padB.next({down(1)});
        EXPECT_EQ(pass(), want) << stopAtRowCount;
    }
}

}  // namespace
}  // namespace velloran
