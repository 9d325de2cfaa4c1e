#pragma once
// Where the lock states of a virtual keyboard come from. The system sets the LEDs of a keyboard
// once it has opened it; one made a moment ago may not be opened yet, so the first lock decision
// waits, bounded, for that; then it reads the physical keyboards' LEDs; with neither it says so
// once and decides by the LEDs the virtual keyboard was last given (all off at first), rather
// than toggle on a guess of its own.
#include <optional>
#include <string>

namespace velloran {

inline constexpr int kLedSyncWaitMs = 250;

// LED bits as the states of the lock keys: 1 Num Lock, 2 Caps Lock, 4 Scroll Lock.
namespace led {
inline constexpr unsigned NumLock = 1;
inline constexpr unsigned CapsLock = 2;
inline constexpr unsigned ScrollLock = 4;
}  // namespace led

// The OS side, faked in tests.
class LedReader {
public:
    virtual ~LedReader() = default;
    // Waits up to `milliseconds` until the system has set the virtual keyboard's LEDs; true when
    // it has, now or before.
    virtual bool waitForDeviceLeds(int milliseconds) = 0;
    // The virtual keyboard's LEDs as the system last set them (all off before it has).
    virtual unsigned deviceLeds() = 0;
    // The LEDs of the physical keyboards; nothing when none can be read.
    virtual std::optional<unsigned> physicalLeds() = 0;
};

enum class LockSource { Undecided, VirtualKeyboard, PhysicalKeyboards, None };

inline constexpr const char* kNoLockSourceText =
    "Lock keys: no keyboard tells its Num Lock, Caps Lock and Scroll Lock states; they are set as "
    "if they were off.";

class LockStateSource {
public:
    explicit LockStateSource(LedReader& reader) : reader_(reader) {}

    // The LEDs to decide by; the first call picks the source.
    unsigned leds();
    LockSource source() const { return source_; }
    // kNoLockSourceText once, when there is no source of truth; nothing otherwise.
    std::optional<std::string> takeNotice();

private:
    LedReader& reader_;
    LockSource source_ = LockSource::Undecided;
    bool noticeTaken_ = false;
};

}  // namespace velloran
