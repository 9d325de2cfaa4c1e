#include <gtest/gtest.h>

#include "shell/instance_socket.h"

namespace velloran {
namespace {

const std::string kTitle = "Velloran Ver. 1.4.9 (Beta)";

TEST(InstanceSocket, NamesTheDisplayTheWindowsShowOnInsideTheRuntimeFolder) {
    struct Case {
        std::string platform, x11, wayland, expected;
    };
    for (const Case& c : {
             Case{"xcb", ":1", "wayland-1", "/run/user/7/" + kTitle + " :1"},
             Case{"wayland", ":0", "wayland-1", "/run/user/7/" + kTitle + " wayland-1"},
             Case{"wayland-egl", ":0", "", "/run/user/7/" + kTitle + " wayland-0"},
             Case{"offscreen", ":3", "", "/run/user/7/" + kTitle + " :3"},
             Case{"xcb", "/tmp/launch/org.x:0", "",
                  "/run/user/7/" + kTitle + " _tmp_launch_org.x:0"},
         }) {
        InstancePlace place{"/run/user/7", "/tmp", 7, c.platform, c.x11, c.wayland};
        EXPECT_EQ(instanceSocketPath(place), c.expected) << c.platform << " " << c.x11;
    }
}

TEST(InstanceSocket, WithoutARuntimeFolderTheUserIdKeepsUsersApart) {
    InstancePlace place{"", "/tmp", 1001, "xcb", ":0", ""};
    EXPECT_EQ(instanceSocketPath(place), "/tmp/" + kTitle + " 1001 :0");
}

}  // namespace
}  // namespace velloran
