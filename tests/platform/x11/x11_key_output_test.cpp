// Key output on a private Xvfb: XTest keys reach a focused window in order, closing releases
// the keys still held, lock toggles show in the indicators; the chooser falls back to XTest and
// says why there is none.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "x11/key_output_chooser.h"
#include "x11/xtest_key_output.h"

// Last: Xlib's macros (None, Bool, Status) clash with ordinary names in the headers above.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#undef None

namespace velloran {
namespace {

constexpr std::uint16_t A = 65;
constexpr const char* kNoUinput = "/nonexistent/uinput";
constexpr const char* kNoWayland = "velloran-no-such-compositor";

KeyRecord down(std::uint16_t virtualKey, bool up = false) {
    return {scanCodeOf(virtualKey), up};
}

// A private Xvfb, which picks a free display and writes its number once it takes connections;
// display is "" when it did not start.
class Xvfb {
public:
    static bool installed() { return std::system("command -v Xvfb >/dev/null") == 0; }

    explicit Xvfb(const std::string& args = "") {
        const std::string command = "exec 2>/dev/null; Xvfb -displayfd 1 -nolisten tcp " + args;
        pipe_ = ::popen((command + " & echo $!").c_str(), "r");
        if (int n = -1; pipe_ != nullptr && std::fscanf(pipe_, "%d %d", &pid_, &n) == 2) {
            display = ":" + std::to_string(n);
        }
    }
    ~Xvfb() {
        if (!display.empty()) ::kill(pid_, SIGTERM);
        if (pipe_ != nullptr) ::pclose(pipe_);
    }

    std::string display;

private:
    FILE* pipe_ = nullptr;
    pid_t pid_ = -1;
};

// A key event: press or release, keycode, and its state (the modifiers in effect before it).
using Received = std::tuple<bool, unsigned, unsigned>;

// A focused window on the server that records the key events it gets.
class XOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Xvfb::installed()) GTEST_SKIP() << "Xvfb is not installed (package xvfb)";
        ASSERT_FALSE(server_.display.empty()) << "Xvfb did not start";
        display_ = XOpenDisplay(server_.display.c_str());
        ASSERT_NE(display_, nullptr);
        const Window window =
            XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 100, 100, 0, 0, 0);
        XSelectInput(display_, window, KeyPressMask | KeyReleaseMask);
        XMapWindow(display_, window);
        XSync(display_, False);  // no window manager: the window is mapped once this returns
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        XSync(display_, False);
        auto opened = XTestKeyOutput::open(server_.display);
        ASSERT_TRUE(opened.ok()) << "no XTEST on " << server_.display;
        output_ = std::move(opened.value());
    }
    void TearDown() override {
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    // The key events so far: the outputs' sends and closes are round trips, so the server has
    // made every event of theirs before it answers this window's sync.
    std::vector<Received> keys() {
        std::vector<Received> received;
        XSync(display_, False);
        for (XEvent e; XPending(display_) > 0;) {
            XNextEvent(display_, &e);
            if (e.type == KeyPress || e.type == KeyRelease) {
                received.emplace_back(e.type == KeyPress, e.xkey.keycode, e.xkey.state);
            }
        }
        return received;
    }
    unsigned keycodeOf(KeySym keysym) const { return XKeysymToKeycode(display_, keysym); }

    Xvfb server_;
    Display* display_ = nullptr;
    std::unique_ptr<XTestKeyOutput> output_;
};

// The keycode rule holds only if the server numbers keys the evdev way: its own keymap says.
TEST_F(XOutput, KeycodesMatchTheServersKeymap) {
    const std::pair<std::uint16_t, KeySym> keys[] = {
        {vk::NumLock, XK_Num_Lock}, {123, XK_F12}, {106, XK_KP_Multiply}, {186, XK_semicolon}};
    for (const auto& [virtualKey, keysym] : keys) {
        EXPECT_EQ(xKeycodeOf(scanCodeOf(virtualKey)), keycodeOf(keysym)) << virtualKey;
    }
}

// SHIFT is still held when the output closes: closing releases it. The A press carries SHIFT in
// its state: SHIFT went down first.
TEST_F(XOutput, ABatchReachesTheFocusedWindowInOrderAndClosingReleasesHeldKeys) {
    ASSERT_TRUE(output_->send(std::vector{down(vk::Shift), down(A)}));
    EXPECT_EQ(output_->keyState(vk::Shift), 0x8000);
    EXPECT_EQ(output_->keyState(A), 0x8000);
    ASSERT_TRUE(output_->send(std::vector{down(A, true)}));
    EXPECT_EQ(output_->keyState(A), 0);
    output_.reset();
    const unsigned shift = keycodeOf(XK_Shift_L), a = keycodeOf(XK_a);
    EXPECT_EQ(keys(), (std::vector<Received>{{true, shift, 0},
                                             {true, a, ShiftMask},
                                             {false, a, ShiftMask},
                                             {false, shift, ShiftMask}}));
}

TEST_F(XOutput, LockTogglesShowInTheIndicators) {
    for (std::uint16_t lockKey : {vk::NumLock, vk::CapsLock}) {
        for (int on : {1, 0}) {
            ASSERT_TRUE(output_->send(std::vector{down(lockKey), down(lockKey, true)}));
            EXPECT_EQ(output_->keyState(lockKey), on) << lockKey;
        }
    }
}

// The chooser falls back to XTest where uinput is missing or (/dev/null) makes no keyboard, and
// says what a display lacks where there is no output.
TEST_F(XOutput, TheChooserFallsBackToXTestOrSaysWhatTheDisplayLacks) {
    Xvfb noXTest("-tst");
    ASSERT_FALSE(noXTest.display.empty()) << "Xvfb did not start";
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {kNoUinput, server_.display, ""},
        {"/dev/null", server_.display, ""},
        {kNoUinput, noXTest.display, "the X display has no XTEST extension"},
        {kNoUinput, ":65000", "no X display is reachable"}};
    for (const auto& [uinputPath, display, lack] : cases) {
        OpenedKeyOutput opened = openKeyOutput({uinputPath, display, kNoWayland});
        EXPECT_EQ(opened.choice.kind, *lack ? OutputKind::None : OutputKind::XTest) << display;
        EXPECT_EQ(opened.output != nullptr, !*lack) << display;
        EXPECT_NE(opened.choice.reason.find(lack), std::string::npos) << opened.choice.reason;
    }
}

}  // namespace
}  // namespace velloran
