#include <gtest/gtest.h>

#include <optional>

#include "common/boxes.h"
#include "shell/input_layer_check.h"
#include "shell/instance_socket.h"

namespace velloran {
namespace {

TEST(InputLayerCheck, AcceptsTheRequiredReleaseAndLaterAndNamesAnOlderOne) {
    const auto old = [](const char* version) {
        return Message{Icon::Exclamation, "Incorrect SDL Detected",
                       std::string("SDL ") + version +
                           " detected.\r\n\r\nSDL 2.0.18 or higher required."};
    };
    using Row = std::pair<std::optional<LibraryVersion>, std::vector<Message>>;
    for (const auto& [version, boxes] :
         {Row{LibraryVersion{2, 0, 18}, {}}, {LibraryVersion{3, 0, 0}, {}},
          {LibraryVersion{2, 0, 17}, {old("2.0.17")}},
          {LibraryVersion{1, 2, 68}, {old("1.2.68")}},
          {std::nullopt, {{Icon::Critical, "SDL Error", "Error detecting SDL."}}}}) {
        testing::ScriptedBoxes shown;
        EXPECT_EQ(inputLayerCheck(version, shown), boxes.empty());
        EXPECT_EQ(shown.shown, boxes);
    }
}

// The socket names the display the windows show on, inside the runtime folder, else with the
// user id in the temporary folder.
TEST(InstanceSocket, NamesTheDisplayAndKeepsUsersApart) {
    const std::string title = "Velloran Ver. 1.4.9 (Beta)", in = "/r/" + title + " ";
    struct Case {
        std::string runtime, platform, x11, wayland, expected;
    };
    for (const Case& c : {Case{"/r", "xcb", ":1", "wayland-1", in + ":1"},
                          Case{"/r", "wayland", ":0", "wayland-1", in + "wayland-1"},
                          Case{"/r", "wayland-egl", ":0", "", in + "wayland-0"},
                          Case{"/r", "offscreen", ":3", "", in + ":3"},
                          Case{"/r", "xcb", "/tmp/l/org.x:0", "", in + "_tmp_l_org.x:0"},
                          Case{"", "xcb", ":0", "", "/tmp/" + title + " 7 :0"}}) {
        EXPECT_EQ(instanceSocketPath({c.runtime, "/tmp", 7, c.platform, c.x11, c.wayland}),
                  c.expected);
    }
}

}  // namespace
}  // namespace velloran
