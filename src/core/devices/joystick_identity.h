#pragma once
// Identities of game controllers. A controller's model GUID alone names every unit of that model
// alike, so the identity tells units apart by what the system knows of each:
//
//   identity = GUID text + "/" + qualifier, the qualifier being
//     1. the unit's serial number, where the system reports one;
//     2. else the physical port it is plugged into, from its /dev/input/by-path link
//        ("pci-0000:00:14.0-usb-0:2:1.0-event-joystick" gives "pci-0000:00:14.0-usb-0:2:1.0");
//     3. else "#1", "#2", ...: its place among the units of that model left over, in the
//        order the system lists them.
//
// A serial or port that another unit of the same model shares (ignoring case; cheap units often
// report one fixed serial) does not tell them apart and falls through to the next rule. Serials
// and ports survive restarts and replugging; ordinals only while the units stay as they are.
// Identities end up in configuration files, so characters those cannot hold become "_".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velloran {

// What the system reports about one attached unit; empty texts mean "not known".
struct JoystickTraits {
    std::string guid;        // the model GUID as text
    std::string serial;      // the unit's serial number
    std::string byPathName;  // the name of its /dev/input/by-path link
};

struct IdentifiedJoystick {
    std::size_t source = 0;  // index into the traits passed in
    std::string identity;
    bool byOrdinal = false;  // only an ordinal tells this unit apart from others of its model
};

// The port part of a /dev/input/by-path link name: the name without its node suffix
// ("-event-joystick", "-event", "-joystick", ...).
std::string portFromByPathName(std::string_view byPathName);

// Identities for the attached units, given in the system's order. The result is sorted by
// identity text; units told apart by ordinal only stay in the system's order among themselves
// (so "#2" comes before "#10"). The order thus does not depend on which unit was plugged first,
// except among units that nothing else tells apart.
std::vector<IdentifiedJoystick> identifyJoysticks(const std::vector<JoystickTraits>& attached);

// A device name as the Device list and configuration files can hold it: control characters
// become blanks and double quotes single quotes.
std::string joystickDisplayName(std::string_view name);

}  // namespace velloran
