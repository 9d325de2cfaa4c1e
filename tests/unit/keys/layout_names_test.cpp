#include <gtest/gtest.h>

#include "keys/layout_names.h"

namespace velloran {
namespace {

TEST(LayoutNames, EnvironmentThenSystemFilesThenUs) {
    const std::string debian =
        "# comment\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT=\"nodeadkeys\"\n";
    const std::string localed =
        "Section \"InputClass\"\n  Option \"XkbLayout\" \"fr\"\n  Option \"XkbVariant\" "
        "\"azerty\"\n";
    struct Case {
        LayoutSettings settings;
        LayoutChoice expected;
    };
    for (const Case& c : {
             Case{{"ru", "phonetic", debian, localed},
                  {{"ru", "phonetic", "", ""}, "XKB_DEFAULT_LAYOUT"}},
             Case{{"", std::nullopt, debian, localed},
                  {{"de", "nodeadkeys", "pc105", ""}, "/etc/default/keyboard"}},
             Case{{std::nullopt, std::nullopt, "XKBMODEL=pc105\n", localed},
                  {{"fr", "azerty", "", ""}, "/etc/X11/xorg.conf.d/00-keyboard.conf"}},
             Case{{std::nullopt, std::nullopt, std::nullopt, "garbage\n\"Option\n"},
                  {{"us", "", "", ""}, "default"}},
         }) {
        EXPECT_EQ(chooseLayoutNames(c.settings), c.expected) << c.expected.origin;
    }
}

TEST(LayoutNames, InForceText) {
    EXPECT_EQ(layoutInForceText("German", "X server"), "Keyboard layout: German (X server)");
}

}  // namespace
}  // namespace velloran
