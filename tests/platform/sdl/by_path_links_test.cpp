#include "sdl/by_path_links.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/temp_folder.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;

TEST(ByPathLinks, NamesTheLinkThatPointsAtANode) {
    const testing::TempFolder folder;
    const fsys::path root = folder.root();
    fsys::create_directories(root / "by-path");
    for (const char* node : {"event3", "event7", "js0"}) std::ofstream(root / node).put('x');
    fsys::create_directory_symlink("..", root / "by-path" / "pci-0000:00:14.0-usb-0:1:1.0-loop");
    fsys::create_symlink("../event3",
                         root / "by-path" / "pci-0000:00:14.0-usbv2-0:2:1.0-event-joystick");
    fsys::create_symlink("../event3",
                         root / "by-path" / "pci-0000:00:14.0-usb-0:2:1.0-event-joystick");
    fsys::create_symlink("../js0", root / "by-path" / "pci-0000:00:14.0-usb-0:2:1.0-joystick");

    const ByPathLinks links(root / "by-path");
    EXPECT_EQ(links.nameFor((root / "event3").string()),
              "pci-0000:00:14.0-usb-0:2:1.0-event-joystick");
    EXPECT_EQ(links.nameFor((root / "by-path" / ".." / "js0").string()),
              "pci-0000:00:14.0-usb-0:2:1.0-joystick");
    EXPECT_EQ(links.nameFor((root / "event7").string()), "");
    EXPECT_EQ(ByPathLinks(root / "missing").nameFor((root / "event3").string()), "");
}

}  // namespace
}  // namespace velloran
