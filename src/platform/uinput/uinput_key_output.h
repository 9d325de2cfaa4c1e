#pragma once
// Key output through a virtual keyboard made with uinput: the kernel delivers its keys like a
// real keyboard's, to X, Wayland and the console alike. The keyboard exists from create() until
// the object is destroyed (make one per program run: the system needs a moment to open a new
// keyboard), and releases any key it still holds before it goes. Keys follow the layout the
// desktop gives a new keyboard; lock states come from keys/lock_state_source.h.
#include <functional>
#include <memory>
#include <string>

#include "base/result.h"
#include "keys/key_layout.h"
#include "keys/key_output.h"
#include "keys/lock_state_source.h"
#include "keys/output_choice.h"
#include "uinput/uinput_key_state.h"

struct libevdev_uinput;

namespace velloran {

inline constexpr const char* kUinputPath = "/dev/uinput";

class UinputKeyOutput final : public KeyOutput {
public:
    // Whether the device node can be opened for reading and writing: writing sends the keys,
    // reading brings the LED state back.
    static UinputStatus probe(const std::string& path = kUinputPath);
    // `notice` hears, once, when no keyboard tells the lock states.
    static Result<std::unique_ptr<UinputKeyOutput>> create(
        const std::string& path, std::unique_ptr<KeyLayout> layout,
        std::function<void(const std::string&)> notice = {});

    ~UinputKeyOutput() override;
    UinputKeyOutput(const UinputKeyOutput&) = delete;
    UinputKeyOutput& operator=(const UinputKeyOutput&) = delete;

    // One write(2) of every event of the batch, framed as uinputEventsOf() says.
    bool send(std::span<const KeyRecord> batch) override;
    int keyState(std::uint16_t virtualKey) override;

    // The event node the kernel made for the keyboard (/dev/input/eventN).
    std::string eventNode() const;
    KeyLayout& layout() { return *layout_; }

private:
    class Leds final : public LedReader {
    public:
        explicit Leds(UinputKeyOutput& output) : output_(output) {}
        bool waitForDeviceLeds(int milliseconds) override;
        unsigned deviceLeds() override { return output_.state_.ledBits(); }
        std::optional<unsigned> physicalLeds() override;

    private:
        UinputKeyOutput& output_;
    };

    UinputKeyOutput(int fd, libevdev_uinput* device, std::unique_ptr<KeyLayout> layout,
                    std::function<void(const std::string&)> notice)
        : fd_(fd), device_(device), layout_(std::move(layout)), notice_(std::move(notice)) {}
    bool write(std::span<const input_event> events);
    void readLeds(int waitMs);

    int fd_;
    libevdev_uinput* device_;
    std::unique_ptr<KeyLayout> layout_;
    std::function<void(const std::string&)> notice_;
    KeyRouting routing_;
    UinputKeyState state_;
    Leds leds_{*this};
    LockStateSource lockSource_{leds_};
    // A lock key went out and the system has not yet answered with its new LED state.
    bool ledAnswerPending_ = false;
    // The system has written the keyboard's LEDs at least once: it has opened it.
    bool ledsSet_ = false;
};

}  // namespace velloran
