#pragma once
// Key output through a virtual keyboard made with uinput: the kernel delivers its keys like a
// real keyboard's, to X, Wayland and the console alike. The keyboard exists from create() until
// the object is destroyed (a test run), and releases any key it still holds before it goes.
#include <memory>
#include <string>

#include "base/result.h"
#include "keys/key_output.h"
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
    static Result<std::unique_ptr<UinputKeyOutput>> create(const std::string& path = kUinputPath);

    ~UinputKeyOutput() override;
    UinputKeyOutput(const UinputKeyOutput&) = delete;
    UinputKeyOutput& operator=(const UinputKeyOutput&) = delete;

    // One write(2) of every event of the batch, framed as uinputEventsOf() says.
    bool send(std::span<const KeyRecord> batch) override;
    int keyState(std::uint16_t virtualKey) override;

    // The event node the kernel made for the keyboard (/dev/input/eventN).
    std::string eventNode() const;

private:
    UinputKeyOutput(int fd, libevdev_uinput* device) : fd_(fd), device_(device) {}
    bool write(std::span<const input_event> events);
    void readLeds(int waitMs);

    int fd_;
    libevdev_uinput* device_;
    UinputKeyState state_;
    // A lock key went out and the system has not yet answered with its new LED state.
    bool ledAnswerPending_ = false;
};

}  // namespace velloran
