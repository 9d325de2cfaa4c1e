#include <optional>

#include "sdl_test_support.h"

namespace velloran {
namespace {

TEST_F(SdlJoystickTest, AnUnpluggedPadWorksAgainAfterReplugAndAcquire) {
    auto pads = attach("Velloran Test Pad:8");
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 1u);
    InputDevice& device = *devices[0];
    const std::string identity = device.info().identity;
    settle(devices);

    pads[0].setButton(2, true);
    backend_->beginPass();
    EXPECT_EQ(readAll(device).changes, (Changes{{2, true}}));

    pads.clear();  // unplugged while button 2 is held
    backend_->beginPass();
    auto r = readAll(device);
    EXPECT_EQ(r.status, ReadStatus::NewData);
    EXPECT_EQ(r.changes, (Changes{{2, false}}));
    EXPECT_EQ(readAll(device).status, ReadStatus::NotAcquired);
    device.acquire();
    backend_->beginPass();
    EXPECT_EQ(readAll(device).status, ReadStatus::NotAcquired);

    pads = attach("Velloran Test Pad:8");
    ASSERT_EQ(pads.size(), 1u);
    backend_->beginPass();
    EXPECT_EQ(readAll(device).status, ReadStatus::NotAcquired);  // until acquired
    device.acquire();
    EXPECT_EQ(readAll(device).status, ReadStatus::NoChange);

    pads[0].pressAndRelease(6);
    backend_->beginPass();
    EXPECT_EQ(readAll(device).changes, (Changes{{6, true}, {6, false}}));
    EXPECT_EQ(device.info().identity, identity);
}

TEST_F(SdlJoystickTest, AcquireDoesNotTakeAPadAnotherDeviceReads) {
    auto pads = attach("Velloran Test Pad:8,Velloran Test Pad:8");
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 2u);
    settle(devices);

    pads.erase(pads.begin());  // the first pad goes
    backend_->beginPass();
    EXPECT_EQ(readAll(*devices[0]).status, ReadStatus::NotAcquired);
    devices[0]->acquire();
    EXPECT_EQ(readAll(*devices[0]).status, ReadStatus::NotAcquired);
    EXPECT_EQ(readAll(*devices[1]).status, ReadStatus::NoChange);

    auto replugged = attach("Velloran Test Pad:8");
    ASSERT_EQ(replugged.size(), 1u);
    backend_->beginPass();
    devices[0]->acquire();
    replugged[0].pressAndRelease(3);
    pads[0].setButton(5, true);
    backend_->beginPass();
    EXPECT_EQ(readAll(*devices[0]).changes, (Changes{{3, true}, {3, false}}));
    EXPECT_EQ(readAll(*devices[1]).changes, (Changes{{5, true}}));
}

}  // namespace
}  // namespace velloran
