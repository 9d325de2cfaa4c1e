#pragma once
// The ImageList3 picture of each menu command, and which menu items show one. Exit, Options and
// the Help items have none.
#include <span>
#include <string_view>

namespace velloran {

struct MenuPicture {
    std::string_view item;  // object name of the menu item
    int picture;            // 1-based index into ImageList3, for checked and unchecked alike
};

// The pictured items of the main window's menu: &File, then &Tools, in menu order.
std::span<const MenuPicture> mainMenuPictures();

// The nine command items of the Configuration list's context menu (MNlistview), in menu order.
std::span<const MenuPicture> listMenuPictures();

}  // namespace velloran
