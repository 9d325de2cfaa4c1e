#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/menu_pictures.h"

namespace velloran {
namespace {

using Pictured = std::vector<std::pair<std::string, int>>;

Pictured flatten(std::span<const MenuPicture> pictures) {
    Pictured out;
    for (const MenuPicture& p : pictures) out.emplace_back(p.item, p.picture);
    return out;
}

TEST(MenuPictures, MainMenuFileThenTools) {
    EXPECT_EQ(flatten(mainMenuPictures()), (Pictured{{"MNopen", 1},
                                                     {"MNnew", 2},
                                                     {"MNload", 3},
                                                     {"MNclose", 9},
                                                     {"MNsave", 4},
                                                     {"MNsaveas", 5},
                                                     {"MNclone", 6},
                                                     {"MNdelete", 7},
                                                     {"MNicon", 8},
                                                     {"MNjoy", 10},
                                                     {"MNrun", 11}}));
}

TEST(MenuPictures, ListContextMenuCommandsOnly) {
    EXPECT_EQ(flatten(listMenuPictures()), (Pictured{{"MNopen", 1},
                                                     {"MNclose", 9},
                                                     {"MNnew", 2},
                                                     {"MNload", 3},
                                                     {"MNsave", 4},
                                                     {"MNsaveas", 5},
                                                     {"MNclone", 6},
                                                     {"MNdelete", 7},
                                                     {"MNicon", 8}}));
}

}  // namespace
}  // namespace velloran
