#include "shell/menu_pictures.h"

#include <array>

namespace velloran {
namespace {

// ImageList3 holds the command pictures in this order.
enum Picture : int {
    Open = 1,
    New,
    Load,
    Save,
    SaveAs,
    Clone,
    Delete,
    ChangeIcon,
    Close,
    RefreshDevices,
    Run,
};

constexpr auto mainMenu = std::to_array<MenuPicture>({
    {"MNopen", Open},
    {"MNnew", New},
    {"MNload", Load},
    {"MNclose", Close},
    {"MNsave", Save},
    {"MNsaveas", SaveAs},
    {"MNclone", Clone},
    {"MNdelete", Delete},
    {"MNicon", ChangeIcon},
    {"MNjoy", RefreshDevices},
    {"MNrun", Run},
});

constexpr auto listMenu = std::to_array<MenuPicture>({
    {"MNopen", Open},
    {"MNclose", Close},
    {"MNnew", New},
    {"MNload", Load},
    {"MNsave", Save},
    {"MNsaveas", SaveAs},
    {"MNclone", Clone},
    {"MNdelete", Delete},
    {"MNicon", ChangeIcon},
});

}  // namespace

std::span<const MenuPicture> mainMenuPictures() {
    return mainMenu;
}

std::span<const MenuPicture> listMenuPictures() {
    return listMenu;
}

}  // namespace velloran
