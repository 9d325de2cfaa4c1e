#include "keys/output_choice.h"

#include <gtest/gtest.h>

namespace velloran {
namespace {

TEST(OutputChoice, UinputWinsWheneverUsable) {
    for (XTestStatus x : {XTestStatus::Usable, XTestStatus::NoDisplay, XTestStatus::NoExtension}) {
        OutputChoice c = chooseKeyOutput({UinputStatus::Usable, x});
        EXPECT_EQ(c, (OutputChoice{OutputKind::Uinput, "uinput virtual keyboard", ""}));
    }
}

TEST(OutputChoice, XTestWhenUinputIsNotUsable) {
    for (UinputStatus u :
         {UinputStatus::Missing, UinputStatus::NotWritable, UinputStatus::Refused}) {
        OutputChoice c = chooseKeyOutput({u, XTestStatus::Usable});
        EXPECT_EQ(c, (OutputChoice{OutputKind::XTest, "X11 XTest", ""}));
    }
}

TEST(OutputChoice, NoneNamesBothProblems) {
    struct Case {
        UinputStatus uinput;
        XTestStatus xtest;
        const char* reason;
    };
    const Case cases[] = {
        {UinputStatus::NotWritable, XTestStatus::NoDisplay,
         "No keyboard output is available: /dev/uinput is not writable and no X display is "
         "reachable."},
        {UinputStatus::Missing, XTestStatus::NoExtension,
         "No keyboard output is available: /dev/uinput does not exist (the uinput module is not "
         "loaded) and the X display has no XTEST extension."},
        {UinputStatus::Refused, XTestStatus::NoDisplay,
         "No keyboard output is available: /dev/uinput refused to create a virtual keyboard and "
         "no X display is reachable."},
    };
    for (const Case& c : cases) {
        OutputChoice choice = chooseKeyOutput({c.uinput, c.xtest});
        EXPECT_EQ(choice.kind, OutputKind::None);
        EXPECT_EQ(choice.name, "");
        EXPECT_EQ(choice.reason, c.reason);
    }
}

}  // namespace
}  // namespace velloran
