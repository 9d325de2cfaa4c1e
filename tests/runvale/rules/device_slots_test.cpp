// The slots of the devices a configuration maps: each reads whichever device of its identity is
// attached and reports only what changes what the engine has seen.
#include <gtest/gtest.h>

#include <memory>

#include "common/devices.h"
#include "common/rows.h"
#include "engine/device_slots.h"
#include "engine/redetect_schedule.h"

namespace velloran {
namespace {

using namespace testing;  // rows and scripted devices
using Changes = std::vector<ButtonChange>;
using Kind = DeviceEvent::Kind;
using Kinds = std::vector<Kind>;
using S = ReadStatus;

struct Read {
    ReadStatus status;
    Changes changes;
    bool operator==(const Read&) const = default;
};

Read readSlot(DeviceSlots& slots, std::size_t i) {
    Read r{S::Gone, {}};
    r.status = slots.devices()[i]->read(r.changes);
    return r;
}

Kinds kinds(const std::vector<DeviceEvent>& events) {
    Kinds out;
    for (const DeviceEvent& e : events) out.push_back(e.kind);
    return out;
}

// Offers new 8-button devices of these identities from back end `source`.
std::vector<ScriptedDevice*> offer(DeviceSlots& slots, int source,
                                   std::initializer_list<const char*> ids, DetectionMode mode) {
    std::vector<ScriptedDevice*> raw;
    std::vector<std::unique_ptr<InputDevice>> devices;
    for (const char* id : ids) {
        raw.push_back(new ScriptedDevice(id, 8));
        devices.emplace_back(raw.back());
    }
    slots.offer(source, std::move(devices), mode);
    return raw;
}

TEST(DeviceSlots, ASlotReportsItsOwnButtonsAndTellsWhatItsDeviceGoesThrough) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD", 4)}));
    ScriptedDevice* pad = offer(slots, 0, {"PAD"}, DetectionMode::FillGaps)[0];
    EXPECT_EQ(kinds(slots.takeEvents()), Kinds{Kind::Found});
    struct Step {
        std::vector<std::pair<S, Changes>> answers;  // the device's reads, in order
        Read want;
        Kinds events;
    };
    const Step steps[] = {
        // 6 is beyond the buttons mapped.
        {{{S::NewData, {down(2), down(6), up(2), down(2)}}},
         {S::NewData, {down(2), up(2), down(2)}}, {}},
        {{{S::ReadFailure, {}}}, {S::NoChange, {}}, {Kind::ReadFailure}},  // 2 stays down
        // Not acquired: asked back and read once more, never ending the pass.
        {{{S::NotAcquired, {}}, {S::NotAcquired, {}}}, {S::NoChange, {}}, {Kind::Lost}},
        {{{S::NotAcquired, {}}, {S::NewData, {down(4)}}}, {S::NewData, {down(4)}}, {Kind::Back}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        for (const auto& [status, changes] : steps[i].answers) pad->next(changes, status);
        EXPECT_EQ(readSlot(slots, 0), steps[i].want) << "step " << i;
        EXPECT_EQ(kinds(slots.takeEvents()), steps[i].events) << "step " << i;
    }
    EXPECT_EQ(pad->acquires, 2);

    pad->nextStatus(S::Gone);  // what it held is released, once
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {up(2), up(4)}}));
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NoChange, {}}));
    EXPECT_EQ(slots.slot(0).source(), -1);
    EXPECT_EQ(kinds(slots.takeEvents()), Kinds{Kind::Lost});
}

TEST(DeviceSlots, DetectionsFillTheSlotsOfTheirIdentityByModeAndANewPlanKeepsThem) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD-A", 1), row("PAD-B", 3)}));
    const auto first = offer(slots, 0, {"pad-b", "UNMAPPED"}, DetectionMode::FillGaps);
    EXPECT_TRUE(slots.missing());
    ASSERT_EQ(slots.waiting(), (std::vector<DeviceEvent>{{Kind::Waiting, "Pad PAD-A", "PAD-A"}}));

    offer(slots, 0, {"PAD-B"}, DetectionMode::FillGaps);  // the first one answers: dropped
    first[0]->next({down(1), down(2)});
    EXPECT_EQ(readSlot(slots, 1), (Read{S::NewData, {down(1), down(2)}}));
    // A back end that replaces its devices moves its own over. The new one still holds 1 (no
    // second press), never saw 2 go down (released now) and has 3 down (pressed now).
    ScriptedDevice* padB = offer(slots, 0, {"PAD-B"}, DetectionMode::Replace)[0];
    padB->next({down(1), down(3)});
    EXPECT_EQ(readSlot(slots, 1), (Read{S::NewData, {down(3), up(2)}}));
    slots.releaseAll();
    EXPECT_EQ(readSlot(slots, 1), (Read{S::NewData, {up(1), up(3)}}));

    // A new plan keeps the device of an identity still mapped, tells no news of it, and picks
    // up what it holds. One slot per identity, in the order of its first row, for its largest
    // button number.
    slots.takeEvents();
    slots.plan(testing::table({row("PAD-B", 3), row("PAD-C", 1), row("pad-b", 5)}));
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_FALSE(slots.slot(1).reachable());
    padB->next({down(5)});
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {down(5), down(1), down(3)}}));
    EXPECT_EQ(kinds(slots.takeEvents()), Kinds{});
}

// A device goes missing: a back end that counts its plug events is asked again when the count
// moves, one that does not at most once a second.
TEST(RedetectSchedule, LooksAgainOnlyWhileADeviceIsMissing) {
    RedetectSchedule reporting(true), silent(false);
    reporting.detected(5, 7);
    silent.detected(5, 0);
    EXPECT_EQ((std::vector<bool>{reporting.due(9, true, 7), reporting.due(5, true, 8),
                                 silent.due(5.9, true, 0), silent.due(6, true, 0),
                                 silent.due(9, false, 0)}),
              (std::vector<bool>{false, true, false, true, false}));
}

}  // namespace
}  // namespace velloran
