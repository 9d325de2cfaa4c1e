#pragma once
// One game controller read through SDL. Button changes arrive as SDL events, which the hub
// hands over once per pass; a read passes them on in order, so a press and release between two
// passes both reach the engine.
//
// Unplugging: the changes up to the unplugging (SDL releases held buttons then) are still read;
// after that a read reports NotAcquired until acquire() finds the same identity plugged in
// again, under whatever new SDL instance id. acquire() looks again only after SDL has reported a
// device plugged in or out, so a device that stays gone costs nothing per pass.
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/input_device.h"
#include "devices/joystick_limits.h"
#include "sdl/joystick_enumeration.h"

namespace velloran {

class SdlJoystickHub;

class SdlJoystick final : public InputDevice {
public:
    // `owner` is the back end that detected the device (see SdlJoystickHub::releaseDevicesOf).
    SdlJoystick(std::shared_ptr<SdlJoystickHub> hub, const void* owner, AttachedJoystick joystick);
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    const DetectedDevice& info() const override { return info_; }
    ReadStatus read(std::vector<ButtonChange>& changes) override;
    bool pressed(int button) const override;
    void acquire() override;

    // For the hub.
    const void* owner() const { return owner_; }
    SDL_JoystickID instanceId() const { return instance_; }
    void onButton(int index, bool down);  // index is 0-based, as SDL numbers buttons
    void onRemoved();
    // Until its first pass a device holds events from before its detection.
    bool fresh() const { return fresh_; }
    // Drops the queued changes and queues those from the last read state to the current one.
    void resync();
    // Closes the device for good: a newer detection has replaced it.
    void release();

private:
    void take(JoystickHandle handle);
    void queueCurrentState();

    static constexpr std::uint64_t kNoTry = UINT64_MAX;

    std::shared_ptr<SdlJoystickHub> hub_;
    const void* owner_;
    DetectedDevice info_;
    std::string guid_;
    bool byOrdinal_;
    JoystickHandle joystick_;
    SDL_JoystickID instance_ = -1;
    bool released_ = false;
    bool fresh_ = true;
    std::uint64_t triedGeneration_ = kNoTry;
    std::bitset<kMaxJoystickButtons> state_;  // as of the last read
    std::bitset<kMaxJoystickButtons> live_;   // after the queued changes
    std::vector<ButtonChange> pending_;
};

}  // namespace velloran
