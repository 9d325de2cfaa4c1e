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
using Kind = DeviceEvent::Kind;

std::vector<std::unique_ptr<InputDevice>> detected(std::vector<ScriptedDevice*>& out,
                                                   std::initializer_list<const char*> ids) {
    std::vector<std::unique_ptr<InputDevice>> devices;
    for (const char* id : ids) {
        auto d = std::make_unique<ScriptedDevice>(id, 8);
        out.push_back(d.get());
        devices.push_back(std::move(d));
    }
    return devices;
}

std::vector<Kind> kinds(const std::vector<DeviceEvent>& events) {
    std::vector<Kind> out;
    for (const DeviceEvent& e : events) out.push_back(e.kind);
    return out;
}

void readAll(DeviceSlots& slots) {
    std::vector<ButtonChange> ignored;
    for (InputDevice* d : slots.devices()) d->read(ignored);
}

TEST(MappedDevices, OneEntryPerIdentityInTheOrderOfItsFirstRow) {
    MappingRow notANumber = row("PAD", 1, {key("A")});
    notANumber.text = "01";
    const MappingTable t = testing::table({row("STICK", 3, {}), row("PAD", 2, {}),
                                           row("stick", 9, {}), notANumber, row("PAD", 1, {})});
    const std::vector<DetectedDevice> devices = mappedDevices(t);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].identity, "STICK");
    EXPECT_EQ(devices[0].buttonCount, 9);  // the largest button number, any spelling
    EXPECT_EQ(devices[0].displayName, "Pad STICK");
    EXPECT_EQ(devices[1].identity, "PAD");
    EXPECT_EQ(devices[1].buttonCount, 2);  // "01" is not a button number the compiler reads
}

TEST(DeviceSlots, DetectedDevicesFillTheSlotsOfTheirIdentity) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD-A", 1, {}), row("PAD-B", 1, {})}));
    std::vector<ScriptedDevice*> devices;
    slots.offer(0, detected(devices, {"pad-b", "UNMAPPED"}), DetectionMode::FillGaps);
    EXPECT_FALSE(slots.slot(0).reachable());
    EXPECT_TRUE(slots.slot(1).reachable());
    EXPECT_TRUE(slots.missing());
    EXPECT_EQ(slots.waiting(), (std::vector<DeviceEvent>{{Kind::Waiting, "Pad PAD-A", "PAD-A"}}));
    EXPECT_EQ(describe(slots.waiting()[0]), "Waiting for device: Pad PAD-A [PAD-A]");
}

TEST(DeviceSlots, FillGapsKeepsReachableDevicesWhileReplaceMovesItsOwnOver) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD", 1, {})}));
    std::vector<ScriptedDevice*> first, second, third;
    slots.offer(0, detected(first, {"PAD"}), DetectionMode::FillGaps);
    slots.offer(0, detected(second, {"PAD"}), DetectionMode::FillGaps);  // dropped at once
    first[0]->next({down(1)});
    readAll(slots);
    EXPECT_TRUE(slots.slot(0).pressed(1));  // the first device still reads

    // The replacement does not hold button 1: the slot reports it released.
    slots.offer(0, detected(third, {"PAD"}), DetectionMode::Replace);
    readAll(slots);
    EXPECT_FALSE(slots.slot(0).pressed(1));

    // Another back end never takes a place whose device answers.
    std::vector<ScriptedDevice*> other;
    slots.offer(1, detected(other, {"PAD"}), DetectionMode::Replace);
    EXPECT_EQ(slots.slot(0).source(), 0);
}

TEST(DeviceSlots, EventsTellFoundLostBackAndReadFailures) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD", 1, {})}));
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{});

    std::vector<ScriptedDevice*> devices;
    slots.offer(0, detected(devices, {"PAD"}), DetectionMode::FillGaps);
    readAll(slots);
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{Kind::Found});

    devices[0]->nextStatus(ReadStatus::ReadFailure);
    readAll(slots);
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{Kind::ReadFailure});

    devices[0]->nextStatus(ReadStatus::NotAcquired);
    devices[0]->nextStatus(ReadStatus::NotAcquired);
    readAll(slots);
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{Kind::Lost});
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{});

    readAll(slots);  // answers again
    const auto events = slots.takeEvents();
    EXPECT_EQ(kinds(events), std::vector<Kind>{Kind::Back});
    EXPECT_EQ(describe(events[0]), "Device back: Pad PAD [PAD]");
}

TEST(DeviceSlots, ANewPlanKeepsTheDevicesOfIdentitiesStillMapped) {
    DeviceSlots slots;
    slots.plan(testing::table({row("PAD-A", 1, {}), row("PAD-B", 1, {})}));
    std::vector<ScriptedDevice*> devices;
    slots.offer(0, detected(devices, {"PAD-A", "PAD-B"}), DetectionMode::FillGaps);
    readAll(slots);
    slots.takeEvents();

    slots.plan(testing::table({row("PAD-B", 5, {}), row("PAD-C", 1, {})}));
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots.slot(0).info().buttonCount, 5);
    EXPECT_TRUE(slots.slot(0).reachable());
    EXPECT_EQ(slots.slot(0).source(), 0);
    EXPECT_FALSE(slots.slot(1).reachable());
    devices[1]->next({down(5)});
    readAll(slots);
    EXPECT_TRUE(slots.slot(0).pressed(5));
    EXPECT_EQ(kinds(slots.takeEvents()), std::vector<Kind>{});  // PAD-B was there all along
}

}  // namespace
}  // namespace velloran
