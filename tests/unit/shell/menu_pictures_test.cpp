#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/command_states.h"
#include "shell/menu_pictures.h"

namespace velloran {
namespace {

// Each pictured item is a real menu item with one picture, and a command shows the same picture
// in both menus.
TEST(MenuPictures, EveryItemOnceAndTheSamePictureInBothMenus) {
    const CommandStates controls;
    std::map<std::string, int> main;
    for (const MenuPicture& p : mainMenuPictures()) {
        EXPECT_TRUE(main.emplace(p.item, p.picture).second) << p.item;
    }
    EXPECT_EQ(main.size(), 11u);  // every command of &File and &Tools but Options
    for (const MenuPicture& p : listMenuPictures()) {
        EXPECT_TRUE(controls.listMenuItems.contains(std::string(p.item))) << p.item;
        EXPECT_EQ(main.at(std::string(p.item)), p.picture) << p.item;
    }
}

}  // namespace
}  // namespace velloran
