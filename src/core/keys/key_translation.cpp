#include "keys/key_translation.h"

#include "keys/scan_codes.h"

namespace velloran {
namespace {

bool isTypingKey(std::uint16_t virtualKey) {
    return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z') ||
           (virtualKey >= 186 && virtualKey <= 192) || (virtualKey >= 219 && virtualKey <= 222);
}

}  // namespace

KeyTranslation::KeyTranslation(const GroupLetters& letters) {
    for (std::uint16_t scan = 1; scan < kKeyPositionCount; ++scan) {
        keyCodeOfScan_[scan] = linuxKeyCodeOf(scan);
    }
    for (std::uint16_t virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (!isTypingKey(virtualKey)) continue;
        const std::uint16_t position = linuxKeyCodeOf(scanCodeOf(virtualKey));
        if (position != 0 && position < kKeyPositionCount) recordedAt_[position] = virtualKey;
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const auto virtualKey = static_cast<std::uint16_t>(letter - 'a' + 'A');
        const std::uint16_t usScan = scanCodeOf(virtualKey);
        // The US position wins where it types the letter too; otherwise the lowest key that does.
        std::uint16_t chosen = 0;
        for (std::uint16_t position = 1; position < kKeyPositionCount; ++position) {
            if (letters[position] != letter) continue;
            if (chosen == 0 || position == linuxKeyCodeOf(usScan)) chosen = position;
        }
        if (chosen != 0) keyCodeOfScan_[usScan] = chosen;
    }
    for (std::uint16_t position = 1; position < kKeyPositionCount; ++position) {
        const char letter = letters[position];
        if (letter >= 'a' && letter <= 'z') {
            recordedAt_[position] = static_cast<std::uint16_t>(letter - 'a' + 'A');
        }
    }
}

std::uint16_t KeyRouting::route(std::uint16_t scanCode, bool keyUp,
                                const KeyTranslation& translation) {
    if (scanCode >= kKeyPositionCount) return 0;
    std::uint16_t& downAt = downAt_[scanCode];
    if (!keyUp) {
        downAt = translation.keyCodeOf(scanCode);
        return downAt;
    }
    const std::uint16_t position = downAt != 0 ? downAt : translation.keyCodeOf(scanCode);
    downAt = 0;
    return position;
}

}  // namespace velloran
