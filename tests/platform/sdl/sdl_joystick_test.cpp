// SDL game controllers driven by virtual ones named "Velloran Test ...": no hardware needed, and
// any real controller a developer has plugged in is left out. And the by-path names that tell
// real controllers apart.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>

#include "common/temp_folder.h"
#include "sdl/by_path_links.h"
#include "sdl/sdl_joystick_backend.h"
#include "sdl/virtual_joystick.h"

namespace velloran {
namespace {

using Changes = std::vector<ButtonChange>;
using Devices = std::vector<std::unique_ptr<InputDevice>>;
using Read = std::pair<ReadStatus, Changes>;

Read read(InputDevice& device) {
    Read r;
    r.first = device.read(r.second);
    return r;
}

class SdlJoysticks : public ::testing::Test {
protected:
    void SetUp() override { start(SdlJoystickHub::kDefaultBacklogLimit); }
    void start(std::chrono::milliseconds backlogLimit) {
        auto backend = SdlJoystickBackend::create(backlogLimit);
        if (!backend) GTEST_SKIP() << "SDL cannot start here: " << backend.error().description;
        backend_ = std::move(backend.value());
    }
    std::vector<VirtualJoystick> attach(int count, int buttons, const char* name = "Pad") {
        const VirtualDeviceSetup setup{std::string("Velloran Test ") + name, buttons};
        auto joysticks = attachVirtualJoysticks(std::vector(count, setup));
        EXPECT_TRUE(joysticks.ok());
        return joysticks ? std::move(joysticks.value()) : std::vector<VirtualJoystick>{};
    }
    // The test controllers, settled by a pass that reads nothing: it ends the backlog.
    Devices detect(bool settled = true) {
        Devices ours;
        for (auto& device : backend_->detect()) {
            if (device->info().displayName.starts_with("Velloran Test"))
                ours.push_back(std::move(device));
        }
        if (!settled) return ours;
        pass();
        for (const auto& device : ours) read(*device);
        return ours;
    }
    void pass() { backend_->beginPass(); }

    std::unique_ptr<SdlJoystickBackend> backend_;
};

TEST_F(SdlJoysticks, IdenticalPadsGetDistinctIdentitiesThatStayAcrossDetections) {
    const auto pads = attach(2, 12);
    const auto board = attach(1, 32, "Board");
    const auto first = detect();
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0]->info().kind, DeviceKind::Joystick);
    std::vector<std::string> ids, padModels;  // each identity on its own device
    for (const auto& d : first) {
        ids.push_back(d->info().identity);
        if (d->info().displayName == "Velloran Test Pad")
            padModels.push_back(ids.back().substr(0, ids.back().rfind('#')));
    }
    ASSERT_EQ(padModels.size(), 2u);
    EXPECT_EQ(padModels[0], padModels[1]) << "one model, told apart by ordinal";
    EXPECT_EQ(std::set(ids.begin(), ids.end()).size(), 3u);

    const auto second = detect();
    for (std::size_t i = 0; i < second.size(); ++i) EXPECT_EQ(second[i]->info().identity, ids[i]);
    for (const auto& d : first) EXPECT_EQ(read(*d).first, ReadStatus::Gone) << "released";
}

TEST_F(SdlJoysticks, ReadsAtMost128ButtonsOfADevice) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_ARCADE_PAD;
    desc.nbuttons = 140;
    desc.name = "Velloran Test Wide Board";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0]->info().buttonCount, 128);

    for (int b : {127, 128, 135}) SDL_JoystickSetVirtualButton(joystick, b, SDL_PRESSED);
    pass();
    EXPECT_EQ(read(*devices[0]).second, (Changes{{128, true}}));
    EXPECT_FALSE(devices[0]->pressed(129));
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(index);
}

TEST_F(SdlJoysticks, APassAfterAPauseStartsFromTheCurrentState) {
    start(std::chrono::milliseconds(50));
    auto pads = attach(1, 12);
    const auto devices = detect(false);
    ASSERT_EQ(devices.size(), 1u);

    // Pressed before the first pass: held buttons count, finished presses do not.
    pads[0].setButton(9, true);
    pads[0].pressAndRelease(2);
    pass();
    EXPECT_EQ(read(*devices[0]).second, (Changes{{9, true}}));

    pads[0].setButton(9, false);
    pads[0].pressAndRelease(4);
    pads[0].setButton(6, true);
    updateVirtualJoysticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    pass();
    EXPECT_EQ(read(*devices[0]).second, (Changes{{6, true}, {9, false}}));
}

// Changes arrive in order, short presses between passes included. An unplugged pad releases its
// buttons, then waits to be acquired again; acquiring takes a pad of its model that no other
// device reads.
TEST_F(SdlJoysticks, ReadsInOrderAndAgainAfterReplugAndAcquire) {
    auto pads = attach(2, 8);
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 2u);
    pads[0].setButton(5, true);
    updateVirtualJoysticks();
    pads[0].setButton(3, true);
    pads[0].setButton(5, false);
    updateVirtualJoysticks();
    pads[0].pressAndRelease(7);
    pass();
    EXPECT_EQ(read(*devices[0]), (Read{ReadStatus::NewData,
                                       {{5, true}, {3, true}, {5, false}, {7, true}, {7, false}}}));
    EXPECT_TRUE(devices[0]->pressed(3));
    EXPECT_FALSE(devices[0]->pressed(5));
    EXPECT_EQ(read(*devices[0]), (Read{ReadStatus::NoChange, {}})) << "nothing new";

    pads.erase(pads.begin());
    pass();
    EXPECT_EQ(read(*devices[0]), (Read{ReadStatus::NewData, {{3, false}}})) << "held when unplugged";
    EXPECT_EQ(read(*devices[0]).first, ReadStatus::NotAcquired);
    devices[0]->acquire();
    EXPECT_EQ(read(*devices[0]).first, ReadStatus::NotAcquired) << "the other pad is taken";

    auto replugged = attach(1, 8);
    replugged[0].setButton(4, true);
    pass();
    EXPECT_EQ(read(*devices[0]).first, ReadStatus::NotAcquired) << "until acquired";
    devices[0]->acquire();
    EXPECT_EQ(read(*devices[0]), (Read{ReadStatus::NewData, {{4, true}}})) << "held meanwhile";
    replugged[0].pressAndRelease(3);
    pads[0].setButton(5, true);
    pass();
    EXPECT_EQ(read(*devices[0]).second, (Changes{{3, true}, {3, false}}));
    EXPECT_EQ(read(*devices[1]).second, (Changes{{5, true}}));
}

// Of two links to one node the smaller name counts; nodes compare by their real paths.
TEST(ByPathLinks, NamesTheLinkThatPointsAtANode) {
    const testing::TempFolder folder;
    const std::filesystem::path root = folder.root(), links = root / "by-path";
    std::filesystem::create_directories(links);
    for (const char* node : {"event3", "event7", "js0"}) std::ofstream(root / node).put('x');
    std::filesystem::create_symlink("../event3", links / "pci-usbv2-0:2:1.0-event-joystick");
    std::filesystem::create_symlink("../event3", links / "pci-usb-0:2:1.0-event-joystick");
    std::filesystem::create_symlink("../js0", links / "pci-usb-0:2:1.0-joystick");
    const ByPathLinks names(links);
    EXPECT_EQ(names.nameFor((root / "event3").string()), "pci-usb-0:2:1.0-event-joystick");
    EXPECT_EQ(names.nameFor((links / ".." / "js0").string()), "pci-usb-0:2:1.0-joystick");
    EXPECT_EQ(names.nameFor((root / "event7").string()), "");
    EXPECT_EQ(ByPathLinks(root / "missing").nameFor((root / "event3").string()), "");
}

}  // namespace
}  // namespace velloran
