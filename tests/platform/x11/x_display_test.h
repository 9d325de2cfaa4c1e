#pragma once
// A test with its own Xvfb and a focused window that records the keys it receives.
#include <gtest/gtest.h>

#include <memory>

#include "key_window.h"
#include "xvfb_server.h"

namespace velloran {

class XDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        server_ = std::make_unique<XvfbServer>();
        if (!server_->installed()) GTEST_SKIP() << server_->problem() << ": X output not tested";
        ASSERT_TRUE(server_->running()) << server_->problem();
        window_ = std::make_unique<KeyWindow>(server_->display());
        ASSERT_TRUE(window_->ok()) << "no focused window on " << server_->display();
    }

    std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<KeyWindow> window_;
};

}  // namespace velloran
