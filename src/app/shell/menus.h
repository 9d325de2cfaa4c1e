#pragma once
// The main window's toolbar, main menu and the two context menus, each entry an action named
// like its control ("BTopen", "MNopen", ...) and routed to its command.
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "shell/command_router.h"

namespace velloran {

struct MenuSet {
    QToolBar* toolbar = nullptr;  // Toolbar1, actions named by button key
    QMenu* file = nullptr;        // &File
    QMenu* edit = nullptr;        // &Edit: Undo and Redo of table edits
    QMenu* tools = nullptr;       // &Tools
    QMenu* help = nullptr;        // &Help
    QMenu* listMenu = nullptr;    // MNlistview of MenuForm1: the Configuration list's menu
    QMenu* tableMenu = nullptr;   // MNlistview of MenuForm2: the Mapping table's menu
};

// Builds the toolbar and the menu bar of `window`, and the hidden forms MenuForm1 and MenuForm2
// holding the context menus.
MenuSet buildMenus(QMainWindow& window, CommandRouter& router);

// Gives the pictured menu items their ImageList3 picture.
void applyMenuPictures(const MenuSet& menus);

}  // namespace velloran
