// The slots of the devices a configuration maps: each reads whichever device of its identity is
// attached and reports only what changes what the engine has seen.
#include <gtest/gtest.h>

#include <memory>

#include "common/devices.h"
#include "common/rows.h"
#include "engine/device_slots.h"

namespace velloran {
namespace {

using testing::down;
using testing::key;
using testing::row;
using testing::ScriptedDevice;
using testing::up;
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
        {{{S::ReadFailure, {}}}, {S::NoChange, {}}, {Kind::ReadFailure}},
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
    const std::vector<DeviceEvent> lost = slots.takeEvents();
    ASSERT_EQ(kinds(lost), Kinds{Kind::Lost});
    EXPECT_EQ(describe(lost[0]), "Device lost: Pad PAD [PAD]");
}

TEST(DeviceSlots, AReleaseAllOrANewDeviceStartsFromWhatTheEngineHasSeen) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD", 4)}));
    offer(slots, 0, {"PAD"}, DetectionMode::FillGaps)[0]->next({down(1), down(2)});
    readSlot(slots, 0);
    slots.releaseAll();
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {up(1), up(2)}}));
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {down(1), down(2)}}));  // picked up again
    // The new device still holds 1 (no second press), never saw 2 go down (released now), and
    // has 3 down (pressed now).
    offer(slots, 0, {"PAD"}, DetectionMode::Replace)[0]->next({down(1), down(3)});
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {down(3), up(2)}}));
}

TEST(DeviceSlots, DetectionsFillTheSlotsOfTheirIdentityByModeAndANewPlanKeepsThem) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD-A", 1), row("PAD-B", 1)}));
    const auto first = offer(slots, 0, {"pad-b", "UNMAPPED"}, DetectionMode::FillGaps);
    EXPECT_TRUE(slots.missing());
    ASSERT_EQ(slots.waiting(), (std::vector<DeviceEvent>{{Kind::Waiting, "Pad PAD-A", "PAD-A"}}));
    EXPECT_EQ(describe(slots.waiting()[0]), "Waiting for device: Pad PAD-A [PAD-A]");

    offer(slots, 0, {"PAD-B"}, DetectionMode::FillGaps);  // the first one answers: dropped
    first[0]->next({down(1)});
    EXPECT_EQ(readSlot(slots, 1), (Read{S::NewData, {down(1)}}));
    // A back end that replaces its devices moves its own over; the new one does not hold 1.
    ScriptedDevice* padB = offer(slots, 0, {"PAD-B"}, DetectionMode::Replace)[0];
    EXPECT_EQ(readSlot(slots, 1), (Read{S::NewData, {up(1)}}));
    // Another back end never takes a place whose device answers.
    offer(slots, 1, {"PAD-B"}, DetectionMode::Replace);
    EXPECT_EQ(slots.slot(1).source(), 0);

    // A new plan keeps the device of an identity still mapped, and tells no news of it. One
    // slot per identity, in the order of its first row, for its largest button number.
    slots.takeEvents();
    MappingRow notANumber = row("PAD-D", 1, {key("A")});
    notANumber.text = "01";  // not a button number the compiler reads
    slots.plan(testing::table({row("PAD-B", 3), row("PAD-C", 1), notANumber, row("pad-b", 5)}));
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots.slot(0).info().identity, "PAD-B");
    EXPECT_FALSE(slots.slot(1).reachable());
    padB->next({down(5)});
    EXPECT_EQ(readSlot(slots, 0), (Read{S::NewData, {down(5)}}));
    EXPECT_EQ(kinds(slots.takeEvents()), Kinds{});
}

}  // namespace
}  // namespace velloran
