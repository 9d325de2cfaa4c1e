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
        if (xvfbProgram().empty()) {
            GTEST_SKIP() << "Xvfb is not installed (package xvfb): the X output is not tested";
        }
        server_ = std::make_unique<XvfbServer>();
        ASSERT_TRUE(server_->running()) << server_->problem();
        window_ = std::make_unique<KeyWindow>(server_->display());
        ASSERT_TRUE(window_->ok()) << "no focused window on " << server_->display();
    }

    std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<KeyWindow> window_;
};

}  // namespace velloran
