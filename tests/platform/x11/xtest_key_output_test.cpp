#include "x11/xtest_key_output.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <vector>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "x_display_test.h"

namespace velloran {
namespace {

constexpr std::uint16_t A = 65;
constexpr unsigned kShiftKeycode = 50, kAKeycode = 38;

KeyRecord down(std::uint16_t virtualKey) {
    return {scanCodeOf(virtualKey), false};
}
KeyRecord up(std::uint16_t virtualKey) {
    return {scanCodeOf(virtualKey), true};
}

class XTestKeyOutputTest : public XDisplayTest {
protected:
    void SetUp() override {
        XDisplayTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        auto opened = XTestKeyOutput::open(server_->display());
        ASSERT_TRUE(opened.ok()) << "no XTEST on " << server_->display();
        output_ = std::move(opened.value());
    }

    bool toggle(std::uint16_t lockKey) {
        const std::vector<KeyRecord> batch = {down(lockKey), up(lockKey)};
        return output_->send(batch);
    }

    std::unique_ptr<XTestKeyOutput> output_;
};

// The keycode rule holds only if the server numbers keys the evdev way; check it against the
// server's own keymap.
TEST_F(XTestKeyOutputTest, KeycodesMatchTheServersKeymap) {
    struct Key {
        std::uint16_t virtualKey;
        unsigned long keysym;
    };
    const Key keys[] = {
        {A, XK_a},     {vk::Shift, XK_Shift_L}, {vk::NumLock, XK_Num_Lock},
        {123, XK_F12}, {106, XK_KP_Multiply},   {186, XK_semicolon},
    };
    for (const Key& key : keys) {
        EXPECT_EQ(xKeycodeOf(scanCodeOf(key.virtualKey)), window_->keycodeOf(key.keysym))
            << "virtual key " << key.virtualKey;
    }
}

// SHIFT is still held when the output closes: closing releases it.
TEST_F(XTestKeyOutputTest, ABatchReachesTheFocusedWindowInOrderAndClosingReleasesHeldKeys) {
    const std::vector<KeyRecord> press = {down(vk::Shift), down(A)};
    const std::vector<KeyRecord> release = {up(A)};
    ASSERT_TRUE(output_->send(press));
    EXPECT_EQ(output_->keyState(vk::Shift), 0x8000);
    EXPECT_EQ(output_->keyState(A), 0x8000);
    ASSERT_TRUE(output_->send(release));
    EXPECT_EQ(output_->keyState(A), 0);
    output_.reset();

    // The A press carries SHIFT in its state: SHIFT was down first.
    const std::vector<ReceivedKey> expected = {
        {true, kShiftKeycode, 0},
        {true, kAKeycode, kShiftMask},
        {false, kAKeycode, kShiftMask},
        {false, kShiftKeycode, kShiftMask},
    };
    EXPECT_EQ(window_->keys(5), expected);
}

TEST_F(XTestKeyOutputTest, LockTogglesShowInTheIndicators) {
    for (std::uint16_t lockKey : {vk::NumLock, vk::CapsLock}) {
        EXPECT_EQ(output_->keyState(lockKey), 0) << lockKey;
        ASSERT_TRUE(toggle(lockKey));
        EXPECT_EQ(output_->keyState(lockKey), 1) << lockKey;
        ASSERT_TRUE(toggle(lockKey));
        EXPECT_EQ(output_->keyState(lockKey), 0) << lockKey;
    }
}

}  // namespace
}  // namespace velloran
