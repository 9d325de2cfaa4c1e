#pragma once
// Keys by keyboard layout. The scan-code table names keys by their US positions; on a keyboard
// with another layout a step types what its key name says when each letter goes to the key that
// types that letter in the active layout group, and every other key goes by position (on AZERTY
// "1" is the key that types "&"). A letter the group lacks (Cyrillic, Greek) keeps its US
// position. Recording applies the same rule backwards, so that what is recorded is what is sent.
//
// A translation is a pair of tables built once per keymap or group change; a key is then one
// lookup.
#include <array>
#include <cstddef>
#include <cstdint>

namespace velloran {

// Key positions are Linux input key codes (X keycodes are these plus 8). They coincide with the
// US set-1 scan codes for 1..0x58, the codes the key table sends.
inline constexpr std::size_t kKeyPositionCount = 0x59;

// What the active group types on each key position without modifiers, as far as the letter rule
// needs it: the lower-case Latin letter 'a'..'z', or 0 (digits, punctuation, Cyrillic letters,
// no key). Indexed by key position.
using GroupLetters = std::array<char, kKeyPositionCount>;

class KeyTranslation {
public:
    // Every key by its US position: a US layout, or none known.
    KeyTranslation() : KeyTranslation(GroupLetters{}) {}
    explicit KeyTranslation(const GroupLetters& letters);

    // The key position that sends a US set-1 scan code; 0 when it has none.
    std::uint16_t keyCodeOf(std::uint16_t scanCode) const {
        return scanCode < kKeyPositionCount ? keyCodeOfScan_[scanCode] : 0;
    }
    // The virtual-key code recording stores for a key of the typing block (letters, digits,
    // punctuation): the letter it types, else the US key at its position. 0 for any other
    // position (keypad, F-keys, navigation, modifiers), which the caller names as before.
    std::uint16_t recordedKeyAt(std::uint16_t keyCode) const {
        return keyCode < kKeyPositionCount ? recordedAt_[keyCode] : 0;
    }

    bool operator==(const KeyTranslation&) const = default;

private:
    std::array<std::uint16_t, kKeyPositionCount> keyCodeOfScan_{};
    std::array<std::uint16_t, kKeyPositionCount> recordedAt_{};
};

// The key position of each record of a batch: a press by the translation in force, a release
// where its press went, so that a layout switch while a key is down cannot leave it down.
class KeyRouting {
public:
    std::uint16_t route(std::uint16_t scanCode, bool keyUp, const KeyTranslation& translation);

private:
    std::array<std::uint16_t, kKeyPositionCount> downAt_{};
};

}  // namespace velloran
