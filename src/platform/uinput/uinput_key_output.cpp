#include "uinput/uinput_key_output.h"

#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>

#include "keys/key_names.h"
#include "uinput/physical_leds.h"
#include "uinput/uinput_events.h"

namespace velloran {
namespace {

// How long a lock-key query waits for the system to set the LEDs after a lock key went out: X,
// the compositor or the console set them as they handle the key, but in their own time; when
// nothing reads the keyboard, no answer comes at all.
constexpr int kLedAnswerWaitMs = 50;

constexpr int kOpenFlags = O_RDWR | O_NONBLOCK | O_CLOEXEC;

bool isLockKeyCode(unsigned code) {
    return code == KEY_NUMLOCK || code == KEY_CAPSLOCK || code == KEY_SCROLLLOCK;
}

bool isLockVirtualKey(std::uint16_t virtualKey) {
    return virtualKey == vk::NumLock || virtualKey == vk::CapsLock || virtualKey == vk::ScrollLock;
}

// The description of the keyboard handed to the kernel: keys only, no autorepeat (a held step
// sends one press, as the key output always has), and the three lock LEDs.
libevdev* newKeyboardDescription() {
    libevdev* dev = libevdev_new();
    if (dev == nullptr) return nullptr;
    libevdev_set_name(dev, "Velloran virtual keyboard");
    libevdev_set_id_bustype(dev, BUS_VIRTUAL);
    libevdev_enable_event_type(dev, EV_KEY);
    for (std::uint16_t code : producibleKeyCodes()) {
        libevdev_enable_event_code(dev, EV_KEY, code, nullptr);
    }
    libevdev_enable_event_type(dev, EV_LED);
    for (unsigned led : {LED_NUML, LED_CAPSL, LED_SCROLLL}) {
        libevdev_enable_event_code(dev, EV_LED, led, nullptr);
    }
    return dev;
}

}  // namespace

UinputStatus UinputKeyOutput::probe(const std::string& path) {
    const int fd = ::open(path.c_str(), kOpenFlags);
    if (fd >= 0) {
        ::close(fd);
        return UinputStatus::Usable;
    }
    // ENODEV and ENXIO: a node left behind by a module that is not loaded.
    if (errno == ENOENT || errno == ENODEV || errno == ENXIO) return UinputStatus::Missing;
    return UinputStatus::NotWritable;
}

Result<std::unique_ptr<UinputKeyOutput>> UinputKeyOutput::create(
    const std::string& path, std::unique_ptr<KeyLayout> layout,
    std::function<void(const std::string&)> notice) {
    const int fd = ::open(path.c_str(), kOpenFlags);
    if (fd < 0) return runtimeErrorFromErrno(errno);
    libevdev* description = newKeyboardDescription();
    if (description == nullptr) {
        ::close(fd);
        return runtimeErrorFromErrno(ENOMEM);
    }
    libevdev_uinput* device = nullptr;
    const int rc = libevdev_uinput_create_from_device(description, fd, &device);
    libevdev_free(description);
    if (rc != 0) {
        ::close(fd);
        return runtimeErrorFromErrno(-rc);
    }
    return std::unique_ptr<UinputKeyOutput>(
        new UinputKeyOutput(fd, device, std::move(layout), std::move(notice)));
}

UinputKeyOutput::~UinputKeyOutput() {
    if (const auto release = releaseEventsOf(state_.heldKeys()); !release.empty()) write(release);
    libevdev_uinput_destroy(device_);
    ::close(fd_);
}

bool UinputKeyOutput::send(std::span<const KeyRecord> batch) {
    const std::vector<input_event> events = uinputEventsOf(batch, routing_, layout_->translation());
    return write(events);
}

bool UinputKeyOutput::write(std::span<const input_event> events) {
    const auto* bytes = reinterpret_cast<const char*>(events.data());
    const std::size_t total = events.size_bytes();
    std::size_t done = 0;
    bool ok = true;
    while (done < total) {
        const ssize_t n = ::write(fd_, bytes + done, total - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    const auto written = events.first(done / sizeof(input_event));
    state_.sent(written);
    for (const input_event& event : written) {
        if (event.type == EV_KEY && isLockKeyCode(event.code)) ledAnswerPending_ = true;
    }
    return ok;
}

void UinputKeyOutput::readLeds(int waitMs) {
    if (waitMs > 0) {
        pollfd readable{fd_, POLLIN, 0};
        ::poll(&readable, 1, waitMs);
    }
    std::array<input_event, 32> events{};
    for (;;) {
        const ssize_t n = ::read(fd_, events.data(), sizeof events);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (std::size_t i = 0; i < static_cast<std::size_t>(n) / sizeof(input_event); ++i) {
            if (events[i].type == EV_LED) {
                ledAnswerPending_ = false;
                ledsSet_ = true;
            }
            state_.received(events[i]);
        }
    }
}

int UinputKeyOutput::keyState(std::uint16_t virtualKey) {
    readLeds(0);
    if (!isLockVirtualKey(virtualKey)) return state_.keyState(virtualKey);
    if (ledAnswerPending_) {
        readLeds(kLedAnswerWaitMs);
        ledAnswerPending_ = false;
    }
    const unsigned leds = lockSource_.leds();
    if (const std::optional<std::string> text = lockSource_.takeNotice(); text && notice_) {
        notice_(*text);
    }
    const unsigned bit = virtualKey == vk::NumLock    ? led::NumLock
                         : virtualKey == vk::CapsLock ? led::CapsLock
                                                      : led::ScrollLock;
    return (state_.keyState(virtualKey) & 0x8000) | ((leds & bit) != 0 ? 1 : 0);
}

bool UinputKeyOutput::Leds::waitForDeviceLeds(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    output_.readLeds(0);
    while (!output_.ledsSet_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        output_.readLeds(static_cast<int>(left.count()));
    }
    return output_.ledsSet_;
}

std::optional<unsigned> UinputKeyOutput::Leds::physicalLeds() {
    return physicalKeyboardLeds(output_.eventNode());
}

std::string UinputKeyOutput::eventNode() const {
    const char* node = libevdev_uinput_get_devnode(device_);
    return node != nullptr ? node : "";
}

}  // namespace velloran
