#include "uinput/physical_leds.h"

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "keys/lock_state_source.h"

namespace velloran {
namespace {

constexpr std::size_t kLedBytes = (LED_CNT + 7) / 8;

bool bit(const std::array<unsigned char, kLedBytes>& bits, unsigned n) {
    return (bits[n / 8] >> (n % 8)) & 1U;
}

// The LED bits of one event node; nothing when it is no keyboard with lock LEDs.
std::optional<unsigned> ledsOf(const std::string& node) {
    const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::array<unsigned char, kLedBytes> present{}, lit{};
    const bool read = ::ioctl(fd, EVIOCGBIT(EV_LED, present.size()), present.data()) >= 0 &&
                      ::ioctl(fd, EVIOCGLED(lit.size()), lit.data()) >= 0;
    ::close(fd);
    if (!read || !bit(present, LED_NUML) || !bit(present, LED_CAPSL)) return std::nullopt;
    unsigned leds = 0;
    if (bit(lit, LED_NUML)) leds |= led::NumLock;
    if (bit(lit, LED_CAPSL)) leds |= led::CapsLock;
    if (bit(lit, LED_SCROLLL)) leds |= led::ScrollLock;
    return leds;
}

}  // namespace

std::optional<unsigned> physicalKeyboardLeds(const std::string& ownNode) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/input", error)) {
        const std::string node = entry.path().string();
        if (entry.path().filename().string().rfind("event", 0) != 0 || node == ownNode) continue;
        if (const std::optional<unsigned> leds = ledsOf(node)) return leds;
    }
    return std::nullopt;
}

}  // namespace velloran
