#include "x11/key_output_chooser.h"

#include <gtest/gtest.h>

#include <vector>

#include "keys/scan_codes.h"
#include "x_display_test.h"

namespace velloran {
namespace {

constexpr const char* kNoUinput = "/nonexistent/uinput";
constexpr const char* kNoWayland = "velloran-no-such-compositor";

class KeyOutputChooserTest : public XDisplayTest {};

TEST_F(KeyOutputChooserTest, FallsBackToXTestAndItSends) {
    // /dev/null opens like a uinput node but makes no keyboard: the fallback after a failed open.
    for (const char* uinputPath : {kNoUinput, "/dev/null"}) {
        OpenedKeyOutput opened = openKeyOutput({uinputPath, server_->display(), kNoWayland});
        ASSERT_NE(opened.output, nullptr) << uinputPath;
        EXPECT_EQ(opened.choice.kind, OutputKind::XTest);
        EXPECT_EQ(opened.choice.name, "X11 XTest");

        const std::vector<KeyRecord> batch = {{scanCodeOf(65), false}, {scanCodeOf(65), true}};
        ASSERT_TRUE(opened.output->send(batch));
        EXPECT_EQ(window_->keys(3).size(), 2u) << uinputPath;
    }
}

TEST_F(KeyOutputChooserTest, ADisplayWithoutXTestIsNamedInTheReason) {
    XvfbServer noXTest({"-tst"});
    ASSERT_TRUE(noXTest.running()) << noXTest.problem();
    OpenedKeyOutput opened = openKeyOutput({kNoUinput, noXTest.display(), kNoWayland});
    EXPECT_EQ(opened.output, nullptr);
    EXPECT_EQ(opened.choice.kind, OutputKind::None);
    EXPECT_NE(opened.choice.reason.find("the X display has no XTEST extension"), std::string::npos);
}

TEST(KeyOutputChooser, NoOutputWithoutUinputAndDisplay) {
    OpenedKeyOutput opened = openKeyOutput({kNoUinput, ":65000", kNoWayland});
    EXPECT_EQ(opened.output, nullptr);
    EXPECT_EQ(opened.choice.kind, OutputKind::None);
    EXPECT_EQ(opened.choice.reason.rfind("No keyboard output is available: /dev/uinput does not "
                                         "exist (the uinput module is not loaded), no Wayland "
                                         "compositor is reachable and no X display is reachable.",
                                         0),
              0u);
}

}  // namespace
}  // namespace velloran
