#pragma once
// A back end with virtual controllers named "Velloran Test ...", and reads that ignore any real
// controller a developer may have plugged in.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "devices/virtual_device_setup.h"
#include "sdl/sdl_joystick_backend.h"
#include "sdl/virtual_joystick.h"

namespace velloran {

struct ReadResult {
    ReadStatus status;
    std::vector<ButtonChange> changes;
};

inline ReadResult readAll(InputDevice& device) {
    ReadResult r{ReadStatus::Gone, {}};
    r.status = device.read(r.changes);
    return r;
}

using Changes = std::vector<ButtonChange>;

class SdlJoystickTest : public ::testing::Test {
protected:
    void SetUp() override { start(SdlJoystickHub::kDefaultBacklogLimit); }

    void start(std::chrono::milliseconds backlogLimit) {
        auto backend = SdlJoystickBackend::create(backlogLimit);
        if (!backend) GTEST_SKIP() << "SDL cannot start here: " << backend.error().description;
        backend_ = std::move(backend.value());
    }

    // Attaches virtual controllers, e.g. "Velloran Test Pad:12,Velloran Test Pad:12".
    std::vector<VirtualJoystick> attach(const std::string& setups) {
        auto parsed = parseVirtualDevices(setups);
        EXPECT_TRUE(parsed.ok());
        if (!parsed) return {};
        auto joysticks = attachVirtualJoysticks(parsed.value());
        EXPECT_TRUE(joysticks.ok()) << joysticks.error().description;
        return joysticks ? std::move(joysticks.value()) : std::vector<VirtualJoystick>{};
    }

    // The detected test controllers, in detection order.
    std::vector<std::unique_ptr<InputDevice>> detect() {
        std::vector<std::unique_ptr<InputDevice>> ours;
        for (auto& device : backend_->detect()) {
            if (device->info().displayName.starts_with("Velloran Test")) {
                ours.push_back(std::move(device));
            }
        }
        return ours;
    }

    // One pass that reads nothing, e.g. to end the backlog after detection.
    void settle(const std::vector<std::unique_ptr<InputDevice>>& devices) {
        backend_->beginPass();
        std::vector<ButtonChange> ignored;
        for (const auto& device : devices) device->read(ignored);
    }

    std::unique_ptr<SdlJoystickBackend> backend_;
};

}  // namespace velloran
