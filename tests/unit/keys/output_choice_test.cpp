#include "keys/output_choice.h"

#include <gtest/gtest.h>

namespace velloran {
namespace {

TEST(OutputChoice, UinputWinsThenXTestElseNoneNamesBothProblems) {
    const OutputChoice uinput{OutputKind::Uinput, "uinput virtual keyboard", ""};
    const OutputChoice xtest{OutputKind::XTest, "X11 XTest", ""};
    struct Case {
        UinputStatus uinput;
        XTestStatus xtest;
        OutputChoice want;
    };
    const Case cases[] = {
        {UinputStatus::Usable, XTestStatus::NoExtension, uinput},
        {UinputStatus::Refused, XTestStatus::Usable, xtest},
        {UinputStatus::NotWritable,
         XTestStatus::NoDisplay,
         {OutputKind::None, "",
          "No keyboard output is available: /dev/uinput is not writable and no X display is "
          "reachable."}},
        {UinputStatus::Missing,
         XTestStatus::NoExtension,
         {OutputKind::None, "",
          "No keyboard output is available: /dev/uinput does not exist (the uinput module is not "
          "loaded) and the X display has no XTEST extension."}},
    };
    for (const Case& c : cases) EXPECT_EQ(chooseKeyOutput({c.uinput, c.xtest}), c.want);
}

}  // namespace
}  // namespace velloran
