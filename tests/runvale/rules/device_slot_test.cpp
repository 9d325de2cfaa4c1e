#include <gtest/gtest.h>

#include <memory>

#include "common/devices.h"
#include "engine/device_slot.h"

namespace velloran {
namespace {

using testing::down;
using testing::ScriptedDevice;
using testing::up;
using Changes = std::vector<ButtonChange>;

struct Read {
    ReadStatus status;
    Changes changes;
    bool operator==(const Read&) const = default;
};

Read readSlot(DeviceSlot& slot) {
    Read r{ReadStatus::Gone, {}};
    r.status = slot.read(r.changes);
    return r;
}

DeviceSlot slotWith(ScriptedDevice*& device, int buttons = 4) {
    DeviceSlot slot(DetectedDevice{DeviceKind::Joystick, buttons, "PAD", "Pad"});
    auto owned = std::make_unique<ScriptedDevice>("PAD", 8);
    device = owned.get();
    slot.attach(std::move(owned), 0);
    return slot;
}

TEST(DeviceSlot, PassesOnChangesOfItsButtonsOnly) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->next({down(2), down(6), up(2), down(2)});  // 6 is beyond the buttons mapped
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {down(2), up(2), down(2)}}));
    EXPECT_TRUE(slot.pressed(2));
    EXPECT_FALSE(slot.pressed(6));
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NoChange, {}}));
}

TEST(DeviceSlot, ADeviceThatIsGoneHasItsHeldButtonsReleased) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->next({down(1), down(3)});
    readSlot(slot);
    pad->nextStatus(ReadStatus::Gone);
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {up(1), up(3)}}));
    EXPECT_FALSE(slot.reachable());
    EXPECT_EQ(slot.source(), -1);
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NoChange, {}}));
}

TEST(DeviceSlot, AnUnacquiredDeviceIsAskedBackAndReadAgainInTheSamePass) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->nextStatus(ReadStatus::NotAcquired);
    pad->nextStatus(ReadStatus::NotAcquired);
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NoChange, {}}));  // never ends the pass
    EXPECT_EQ(pad->acquires, 1);
    EXPECT_FALSE(slot.reachable());

    pad->nextStatus(ReadStatus::NotAcquired);
    pad->next({down(4)});  // back after acquire
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {down(4)}}));
    EXPECT_TRUE(slot.reachable());
}

TEST(DeviceSlot, AReadFailureKeepsTheDeviceAndItsState) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->next({down(1)});
    readSlot(slot);
    pad->nextStatus(ReadStatus::ReadFailure);
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NoChange, {}}));
    EXPECT_TRUE(slot.failing());
    EXPECT_TRUE(slot.pressed(1));
    pad->next({up(1)});
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {up(1)}}));
    EXPECT_FALSE(slot.failing());
}

TEST(DeviceSlot, ADeviceTakingThePlaceStartsFromWhatWasReported) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->next({down(1), down(2)});
    readSlot(slot);

    // The new device still holds 1 (no second press), never saw 2 go down (released now), and
    // has 3 down (pressed now).
    auto replacement = std::make_unique<ScriptedDevice>("PAD", 8);
    replacement->next({down(1), down(3)});
    slot.attach(std::move(replacement), 1);
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {down(3), up(2)}}));
    EXPECT_EQ(slot.source(), 1);
}

TEST(DeviceSlot, ReleaseAllReportsEverythingUpThenPicksTheStateUpAgain) {
    ScriptedDevice* pad = nullptr;
    DeviceSlot slot = slotWith(pad);
    pad->next({down(1), down(2)});
    readSlot(slot);

    slot.releaseAll();
    pad->next({up(2)});  // waits for the read after the drain
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {up(1), up(2)}}));
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NewData, {down(1)}}));
}

TEST(DeviceSlot, AnEmptyPlaceReadsAsNoChange) {
    DeviceSlot slot(DetectedDevice{DeviceKind::Joystick, 4, "PAD", "Pad"});
    EXPECT_EQ(readSlot(slot), (Read{ReadStatus::NoChange, {}}));
    EXPECT_FALSE(slot.reachable());
    EXPECT_FALSE(slot.pressed(1));
}

}  // namespace
}  // namespace velloran
