#include <SDL.h>

#include <algorithm>

#include "sdl_test_support.h"

namespace velloran {
namespace {

std::vector<std::string> identities(const std::vector<std::unique_ptr<InputDevice>>& devices) {
    std::vector<std::string> out;
    for (const auto& d : devices) out.push_back(d->info().identity);
    return out;
}

TEST_F(SdlJoystickTest, IdenticalPadsGetDistinctIdentitiesThatStayAcrossDetections) {
    const auto pads = attach("Velloran Test Board:32,Velloran Test Pad:12,Velloran Test Pad:12");

    const auto first = detect();
    ASSERT_EQ(first.size(), 3u);
    const auto ids = identities(first);
    EXPECT_TRUE(std::ranges::is_sorted(ids)) << ids[0] << " " << ids[1] << " " << ids[2];

    std::vector<std::string> padIds;  // the two pads, one model GUID with ordinals
    for (const auto& d : first) {
        EXPECT_EQ(d->info().kind, DeviceKind::Joystick);
        const bool pad = d->info().displayName == "Velloran Test Pad";
        EXPECT_EQ(d->info().buttonCount, pad ? 12 : 32);
        if (pad) padIds.push_back(d->info().identity);
    }
    ASSERT_EQ(padIds.size(), 2u);
    const std::string& a = padIds[0];
    const std::string& b = padIds[1];
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a.substr(0, a.size() - 1), b.substr(0, b.size() - 1));
    EXPECT_TRUE(a.ends_with("/#1")) << a;
    EXPECT_TRUE(b.ends_with("/#2")) << b;

    const auto second = detect();
    EXPECT_EQ(identities(second), ids);
    // The earlier devices were released by the new detection.
    std::vector<ButtonChange> changes;
    for (const auto& d : first) EXPECT_EQ(d->read(changes), ReadStatus::Gone);
}

TEST_F(SdlJoystickTest, ReadsAtMost128ButtonsOfADevice) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_ARCADE_PAD;
    desc.nbuttons = 140;
    desc.name = "Velloran Test Wide Board";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr);

    const auto devices = detect();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0]->info().buttonCount, 128);

    settle(devices);
    for (int b : {127, 128, 135}) SDL_JoystickSetVirtualButton(joystick, b, SDL_PRESSED);
    backend_->beginPass();
    const auto r = readAll(*devices[0]);
    EXPECT_EQ(r.changes, (Changes{{128, true}}));
    EXPECT_FALSE(devices[0]->pressed(136));

    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
}

TEST_F(SdlJoystickTest, VirtualDevicesRefuseCountsOutside1To128) {
    for (int buttons : {0, 129}) {
        const auto pad = VirtualJoystick::attach({"Velloran Test Pad", buttons});
        EXPECT_FALSE(pad.ok()) << buttons;
    }
}

}  // namespace
}  // namespace velloran
