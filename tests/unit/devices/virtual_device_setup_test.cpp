#include "devices/virtual_device_setup.h"

#include <gtest/gtest.h>

namespace velloran {
namespace {

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
        {"Pad:99999999999",
         {},
         "Virtual device \"Pad:99999999999\": the button count must be 1 to 128"},
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
