#include <gtest/gtest.h>

#include "devices/joystick_identity.h"
#include "devices/virtual_device_setup.h"

namespace velloran {
namespace {

const std::string kPad = "030000005e0400008e02000010010000";
const std::string kStick = "030000006d04000015c2000010010000";

std::vector<std::string> identities(const std::vector<JoystickTraits>& attached) {
    std::vector<std::string> out;
    for (const auto& j : identifyJoysticks(attached)) out.push_back(j.identity);
    return out;
}

// A serial, else a port (the by-path link without its node suffix), counts only where no other
// unit of the same model shares it (case aside); what is left is told apart by ordinal in
// system order.
TEST(IdentifyJoysticks, SerialThenPortThenOrdinalWhereUniqueSortedByIdentity) {
    const std::string port = "pci-0000:00:14.0-usb-0:";
    const std::vector<JoystickTraits> attached = {
        {kPad, "0000", port + "2:1.0-event"},
        {kPad, "0000", port + "1:1.0-event-joystick"},
        {kStick, "0000", ""},  // another model may share the serial
        {kPad, "abc", ""},
        {kPad, "ABC", ""},
        {kStick, " S/N \"7\"\r\nx\xC3\xA9 ", ""},
        {kStick, "  ", "platform-eventbus-0-joystick"},  // "-event" here is no node suffix
    };
    const auto result = identifyJoysticks(attached);
    ASSERT_EQ(result.size(), 7u);
    EXPECT_EQ(result[0].source, 3u);
    EXPECT_EQ(
        identities(attached),
        (std::vector<std::string>{kPad + "/#1", kPad + "/#2", kPad + "/" + port + "1:1.0",
                                  kPad + "/" + port + "2:1.0", kStick + "/0000",
                                  kStick + "/S/N__7___x__", kStick + "/platform-eventbus-0"}));
    EXPECT_EQ(identities({attached.rbegin(), attached.rend()}), identities(attached));

    // "#10" stays after "#9", each numbered in system order.
    std::vector<JoystickTraits> same(11, JoystickTraits{kPad, "", ""});
    same.insert(same.begin() + 4, JoystickTraits{kStick, "", ""});
    const auto numbered = identifyJoysticks(same);
    for (std::size_t k = 0; k < 11; ++k) {
        EXPECT_EQ(numbered[k].identity, kPad + "/#" + std::to_string(k + 1));
        EXPECT_EQ(numbered[k].source, k < 4 ? k : k + 1);
    }
}

TEST(JoystickDisplayName, ReplacesWhatAFileFieldCannotHold) {
    EXPECT_EQ(joystickDisplayName("Pad \"Pro\"\tII\n"), "Pad 'Pro' II ");
    EXPECT_EQ(joystickDisplayName("Manette \xC3\xA9"), "Manette \xC3\xA9");
}

TEST(ParseVirtualDevices, ReadsNamesWithBlanksAndCountsOrNamesTheBadEntry) {
    const struct {
        const char* text;
        std::vector<VirtualDeviceSetup> setups;
        const char* message;
    } cases[] = {
        {"  Demo Pad : 1 ,  Board:128 ", {{"Demo Pad", 1}, {"Board", 128}}, ""},
        {"Port A:B:7", {{"Port A:B", 7}}, ""},
        {"   ", {}, ""},
        {"Demo Pad", {}, "Virtual device \"Demo Pad\": expected <name>:<button count>"},
        {"Pad:12,,Board:3", {}, "Virtual device list: an entry is empty"},
        {" :4", {}, "Virtual device \":4\": the name is empty"},
        {"Pad:12x", {}, "Virtual device \"Pad:12x\": the button count is not a whole number"},
        {"Pad:129", {}, "Virtual device \"Pad:129\": the button count must be 1 to 128"},
        {"P:99999999999",
         {},
         "Virtual device \"P:99999999999\": the button count must be 1 to 128"},
    };
    for (const auto& c : cases) {
        const auto parsed = parseVirtualDevices(c.text);
        EXPECT_EQ(parsed ? "" : parsed.error().description, c.message) << c.text;
        if (parsed) {
            EXPECT_EQ(parsed.value(), c.setups) << c.text;
        }
    }
}

}  // namespace
}  // namespace velloran
