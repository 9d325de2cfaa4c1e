#include <thread>

#include "sdl_test_support.h"

namespace velloran {
namespace {

TEST_F(SdlJoystickTest, ChangesArriveInOrderWithShortPressesBetweenPasses) {
    auto pads = attach("Velloran Test Pad:12,Velloran Test Pad:12");
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 2u);
    settle(devices);
    // Detection order is the attach order here: both are ordinals of one model.
    VirtualJoystick& pad = pads[0];
    VirtualJoystick& other = pads[1];

    pad.setButton(5, true);
    updateVirtualJoysticks();
    pad.setButton(3, true);
    pad.setButton(5, false);
    other.setButton(1, true);
    updateVirtualJoysticks();
    pad.pressAndRelease(7);
    backend_->beginPass();

    auto r = readAll(*devices[0]);
    EXPECT_EQ(r.status, ReadStatus::NewData);
    EXPECT_EQ(r.changes, (Changes{{5, true}, {3, true}, {5, false}, {7, true}, {7, false}}));
    EXPECT_TRUE(devices[0]->pressed(3));
    EXPECT_FALSE(devices[0]->pressed(5));
    EXPECT_FALSE(devices[0]->pressed(7));
    EXPECT_EQ(readAll(*devices[1]).changes, (Changes{{1, true}}));

    // Nothing new: neither a second read nor a pass without changes reports any.
    EXPECT_EQ(readAll(*devices[0]).status, ReadStatus::NoChange);
    backend_->beginPass();
    r = readAll(*devices[0]);
    EXPECT_EQ(r.status, ReadStatus::NoChange);
    EXPECT_TRUE(r.changes.empty());
    EXPECT_TRUE(devices[0]->pressed(3));
}

TEST_F(SdlJoystickTest, APassAfterAPauseStartsFromTheCurrentState) {
    start(std::chrono::milliseconds(50));
    auto pads = attach("Velloran Test Pad:12");
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 1u);

    // Pressed before the first pass: held buttons count, finished presses do not.
    pads[0].setButton(9, true);
    pads[0].pressAndRelease(2);
    backend_->beginPass();
    EXPECT_EQ(readAll(*devices[0]).changes, (Changes{{9, true}}));

    pads[0].setButton(9, false);
    pads[0].pressAndRelease(4);
    pads[0].setButton(6, true);
    updateVirtualJoysticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    backend_->beginPass();
    EXPECT_EQ(readAll(*devices[0]).changes, (Changes{{6, true}, {9, false}}));
}

TEST_F(SdlJoystickTest, ANewDetectionStartsFromTheCurrentState) {
    auto pads = attach("Velloran Test Pad:12");
    ASSERT_EQ(pads.size(), 1u);
    settle(detect());

    // Queued for the same SDL device before the detection, but not read by the new device.
    pads[0].pressAndRelease(3);
    pads[0].setButton(5, true);
    updateVirtualJoysticks();
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 1u);
    backend_->beginPass();
    EXPECT_EQ(readAll(*devices[0]).changes, (Changes{{5, true}}));
}

}  // namespace
}  // namespace velloran
