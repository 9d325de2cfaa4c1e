#pragma once
// The key name table: every key a Key step can send, known by a fixed upper-case name and its
// Windows virtual-key code. Both lookup directions are derived from the one table. The modifier
// and lock keys have codes but no names: they never stand alone in a step.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velloran {

namespace vk {
inline constexpr std::uint16_t Shift = 16;
inline constexpr std::uint16_t Ctrl = 17;
inline constexpr std::uint16_t Alt = 18;
inline constexpr std::uint16_t CapsLock = 20;
inline constexpr std::uint16_t NumLock = 144;
inline constexpr std::uint16_t ScrollLock = 145;
}  // namespace vk

struct KeyName {
    std::string_view name;
    std::uint16_t code;
};

inline constexpr std::size_t kKeyNameCount = 92;

// The rows in the order in which both directions search them.
std::span<const KeyName, kKeyNameCount> keyNames();

// Virtual-key code of a key name, compared exactly (case-sensitive, no trimming); 0 when the
// name is not in the table ("a", "F13", "SHIFT", " ").
std::uint16_t keyCodeOfName(std::string_view name);

// Key name of a virtual-key code; "" when the code has none (modifiers, lock keys, 44, ...).
std::string_view keyNameOfCode(std::uint16_t code);

}  // namespace velloran
