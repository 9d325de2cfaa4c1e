#include <gtest/gtest.h>

#include <tuple>

#include "shell/instance_socket.h"

namespace velloran {
namespace {

// The socket names the display the windows show on, inside the runtime folder, else with the
// user id in the temporary folder.
TEST(InstanceSocket, NamesTheDisplayAndKeepsUsersApart) {
    const std::string title = "Velloran Ver. 1.4.9 (Beta)", in = "/r/" + title + " ";
    for (const auto& [runtime, platform, x11, wayland, expected] :
         {std::tuple<std::string, std::string, std::string, std::string, std::string>{
              "/r", "xcb", ":1", "wayland-1", in + ":1"},
          {"/r", "wayland-egl", ":0", "", in + "wayland-0"},
          {"/r", "xcb", "/tmp/l/org.x:0", "", in + "_tmp_l_org.x:0"},
          {"", "xcb", ":0", "", "/tmp/" + title + " 7 :0"}}) {
        EXPECT_EQ(instanceSocketPath({runtime, "/tmp", 7, platform, x11, wayland}), expected);
    }
}

}  // namespace
}  // namespace velloran
