#include "devices/joystick_identity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velloran {
namespace {

constexpr const char* kPad = "030000005e0400008e02000010010000";
constexpr const char* kStick = "030000006d04000015c2000010010000";

TEST(PortFromByPathName, DropsTheNodeSuffix) {
    const struct {
        const char* link;
        const char* port;
    } cases[] = {
        {"pci-0000:00:14.0-usb-0:2:1.0-event-joystick", "pci-0000:00:14.0-usb-0:2:1.0"},
        {"platform-i8042-serio-0-event-kbd", "platform-i8042-serio-0"},
        // "-event" inside a longer component is no node suffix.
        {"platform-eventbus-0-joystick", "platform-eventbus-0"},
        {"nodash", "nodash"},
    };
    for (const auto& c : cases) EXPECT_EQ(portFromByPathName(c.link), c.port) << c.link;
}

TEST(JoystickIdentity, SerialBeforePortBeforeOrdinal) {
    const std::string link = "pci-0000:00:14.0-usb-0:2:1.0-event-joystick";
    EXPECT_EQ(joystickIdentity(kPad, "A1B2", link, 3), std::string(kPad) + "/A1B2");
    EXPECT_EQ(joystickIdentity(kPad, "", link, 3),
              std::string(kPad) + "/pci-0000:00:14.0-usb-0:2:1.0");
    EXPECT_EQ(joystickIdentity(kPad, "  ", "", 3), std::string(kPad) + "/#3");
    EXPECT_EQ(joystickIdentity(kPad, " S/N \"7\"\r\nx\xC3\xA9 ", "", 1),
              std::string(kPad) + "/S/N__7___x__");
}

std::vector<std::string> identities(const std::vector<JoystickTraits>& attached) {
    std::vector<std::string> out;
    for (const auto& j : identifyJoysticks(attached)) out.push_back(j.identity);
    return out;
}

TEST(IdentifyJoysticks, TellsIdenticalUnitsApartByOrdinalInSystemOrder) {
    std::vector<JoystickTraits> attached(11, JoystickTraits{kPad, "", ""});
    attached.insert(attached.begin() + 4, JoystickTraits{kStick, "", ""});
    const auto result = identifyJoysticks(attached);
    ASSERT_EQ(result.size(), 12u);
    // kPad sorts before kStick; "#10" stays after "#9".
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(result[k].identity, std::string(kPad) + "/#" + std::to_string(k + 1));
        EXPECT_EQ(result[k].source, static_cast<std::size_t>(k < 4 ? k : k + 1));
    }
}

TEST(IdentifyJoysticks, OrderDoesNotDependOnPlugOrder) {
    const std::vector<JoystickTraits> a = {
        {kStick, "", "pci-0000:00:14.0-usb-0:4:1.0-event-joystick"},
        {kPad, "B", ""},
        {kPad, "A", ""},
    };
    const std::vector<JoystickTraits> b = {a[2], a[0], a[1]};
    EXPECT_EQ(identities(a), identities(b));
    EXPECT_EQ(identities(a)[0], std::string(kPad) + "/A");
}

TEST(IdentifyJoysticks, SharedSerialOrPortFallsThroughToTheNextRule) {
    const std::string port1 = "pci-0000:00:14.0-usb-0:1:1.0-event-joystick";
    const std::string port2 = "pci-0000:00:14.0-usb-0:2:1.0-event-joystick";
    const std::vector<JoystickTraits> attached = {
        {kPad, "0000", port2},
        {kPad, "0000", port1},
        {kStick, "0000", ""},  // another model may share the serial
        {kPad, "abc", ""},
        {kPad, "ABC", ""},  // differs only by case: the same to the configuration
    };
    const auto result = identifyJoysticks(attached);
    ASSERT_EQ(result.size(), 5u);
    EXPECT_EQ(result[0].source, 3u);
    EXPECT_EQ(identities(attached),
              (std::vector<std::string>{std::string(kPad) + "/#1", std::string(kPad) + "/#2",
                                        std::string(kPad) + "/pci-0000:00:14.0-usb-0:1:1.0",
                                        std::string(kPad) + "/pci-0000:00:14.0-usb-0:2:1.0",
                                        std::string(kStick) + "/0000"}));
}

TEST(JoystickDisplayName, ReplacesWhatAFileFieldCannotHold) {
    EXPECT_EQ(joystickDisplayName("Pad \"Pro\"\tII\n"), "Pad 'Pro' II ");
    EXPECT_EQ(joystickDisplayName("Manette \xC3\xA9"), "Manette \xC3\xA9");
}

}  // namespace
}  // namespace velloran
