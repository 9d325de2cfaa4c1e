#pragma once
// The process's one link to SDL's joystick subsystem: it keeps the subsystem up while anything
// uses it, takes the joystick events off SDL's queue once per poll pass and hands each to the
// device it belongs to.
//
// Only the joystick event range is taken, so an application that also uses SDL keeps its other
// events; but nothing else may take joystick events off the queue. Axis, ball, hat and battery
// events are switched off: buttons are all that is read, and a drifting stick would otherwise
// fill the queue while no test runs.
#include <SDL.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/result.h"

namespace velloran {

class SdlJoystick;

class SdlJoystickHub {
public:
    // A pass that comes longer than this after the previous one collects a backlog from a time
    // when nothing was polled (no test running): it starts from the devices' current state
    // instead. So does the first pass of a newly detected device.
    static constexpr std::chrono::milliseconds kDefaultBacklogLimit{1000};

    // The hub, starting SDL's joystick subsystem when no hub exists.
    static Result<std::shared_ptr<SdlJoystickHub>> instance();
    ~SdlJoystickHub();
    SdlJoystickHub(const SdlJoystickHub&) = delete;
    SdlJoystickHub& operator=(const SdlJoystickHub&) = delete;

    // One pass: lets SDL read the devices and hands the button changes to the devices in order.
    void pump();
    void setBacklogLimit(std::chrono::milliseconds limit) { backlogLimit_ = limit; }

    void add(SdlJoystick* device);
    void remove(SdlJoystick* device);
    // Releases the devices a back end handed out, before it detects anew.
    void releaseDevicesOf(const void* owner);
    // Whether one of the open devices reads the SDL joystick with this instance id.
    bool holds(SDL_JoystickID instance) const;
    // Counts devices plugged in or out, so that re-acquiring waits for a change.
    std::uint64_t generation() const { return generation_; }

private:
    SdlJoystickHub() = default;
    SdlJoystick* deviceFor(SDL_JoystickID instance) const;
    void dispatch(const SDL_Event& event);

    std::vector<SdlJoystick*> devices_;
    std::array<SDL_Event, 64> events_{};
    std::uint64_t generation_ = 0;
    std::chrono::milliseconds backlogLimit_ = kDefaultBacklogLimit;
    Uint64 lastPump_ = 0;
};

}  // namespace velloran
