#include "sdl/sdl_joystick.h"

#include "sdl/sdl_joystick_hub.h"

namespace velloran {

SdlJoystick::SdlJoystick(std::shared_ptr<SdlJoystickHub> hub, const void* owner,
                         AttachedJoystick joystick)
    : hub_(std::move(hub)),
      owner_(owner),
      info_{DeviceKind::Joystick, joystick.buttons, std::move(joystick.identity),
            std::move(joystick.name)},
      guid_(std::move(joystick.guid)),
      byOrdinal_(joystick.byOrdinal) {
    pending_.reserve(64);  // more in one pass is rare; the vector keeps what it grows to
    take(std::move(joystick.handle));
    hub_->add(this);
}

SdlJoystick::~SdlJoystick() {
    hub_->remove(this);
}

void SdlJoystick::take(JoystickHandle handle) {
    joystick_ = std::move(handle);
    instance_ = SDL_JoystickInstanceID(joystick_.get());
    triedGeneration_ = kNoTry;
}

ReadStatus SdlJoystick::read(std::vector<ButtonChange>& changes) {
    if (joystick_ && !SDL_JoystickGetAttached(joystick_.get())) onRemoved();
    if (pending_.empty()) {
        if (released_) return ReadStatus::Gone;
        return joystick_ ? ReadStatus::NoChange : ReadStatus::NotAcquired;
    }
    for (const ButtonChange& change : pending_) {
        state_.set(static_cast<std::size_t>(change.button - 1), change.down);
        changes.push_back(change);
    }
    pending_.clear();
    return ReadStatus::NewData;
}

bool SdlJoystick::pressed(int button) const {
    return button >= 1 && button <= info_.buttonCount &&
           state_.test(static_cast<std::size_t>(button - 1));
}

void SdlJoystick::acquire() {
    if (joystick_ || released_ || triedGeneration_ == hub_->generation()) return;
    triedGeneration_ = hub_->generation();
    for (AttachedJoystick& candidate : attachedJoysticks(guid_)) {
        if (hub_->holds(SDL_JoystickInstanceID(candidate.handle.get()))) continue;
        // Units that only an ordinal tells apart are interchangeable.
        if (candidate.identity == info_.identity || (byOrdinal_ && candidate.byOrdinal)) {
            take(std::move(candidate.handle));
            queueCurrentState();
            return;
        }
    }
}

void SdlJoystick::onButton(int index, bool down) {
    if (index < 0 || index >= info_.buttonCount) return;
    const auto bit = static_cast<std::size_t>(index);
    if (live_.test(bit) == down) return;
    live_.set(bit, down);
    pending_.push_back(ButtonChange{index + 1, down});
}

void SdlJoystick::onRemoved() {
    // Held buttons go up, so that nothing stays pressed while the device is away.
    for (int b = 0; b < info_.buttonCount; ++b) onButton(b, false);
    joystick_.reset();
    instance_ = -1;
    triedGeneration_ = kNoTry;
}

void SdlJoystick::resync() {
    if (released_) return;
    fresh_ = false;
    pending_.clear();
    live_ = state_;
    queueCurrentState();
}

void SdlJoystick::queueCurrentState() {
    const int sdlButtons = joystick_ ? SDL_JoystickNumButtons(joystick_.get()) : 0;
    for (int b = 0; b < info_.buttonCount; ++b) {
        onButton(b, b < sdlButtons && SDL_JoystickGetButton(joystick_.get(), b) != 0);
    }
}

void SdlJoystick::release() {
    released_ = true;
    pending_.clear();
    joystick_.reset();
    instance_ = -1;
}

}  // namespace velloran
