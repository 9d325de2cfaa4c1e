#include "shell/menus.h"

#include <QAction>
#include <QMenuBar>
#include <span>

#include "resources/icons.h"
#include "shell/command_shortcuts.h"
#include "shell/menu_pictures.h"

namespace velloran {
namespace {

struct Entry {
    const char* name;  // object name; empty for a separator
    const char* text;
    Command command;
    const char* shortcut = nullptr;
};

constexpr Command kNone = Command::Contents;  // separators route nothing; any value will do

// Toolbar buttons with their ImageList3 picture (0: the Help picture).
struct ToolbarButton {
    const char* key;
    const char* text;
    Command command;
    int picture;
};

constexpr ToolbarButton kToolbar[] = {
    {"BTopen", "Open", Command::Open, 1},
    {"BTnew", "New", Command::New, 2},
    {"BTload", "Load", Command::Load, 3},
    {"BTclose", "Close", Command::Close, 9},
    {nullptr, nullptr, kNone, 0},
    {"BTsave", "Save", Command::Save, 4},
    {"BTsaveas", "Save As", Command::SaveAs, 5},
    {nullptr, nullptr, kNone, 0},
    {"BTclone", "Clone", Command::Clone, 6},
    {"BTdelete", "Delete", Command::Delete, 7},
    {"BTicon", "Change Icon", Command::ChangeIcon, 8},
    {nullptr, nullptr, kNone, 0},
    {"BTjoy", "Refresh Device List", Command::RefreshDevices, 10},
    {"BTrun", "Run", Command::Run, 11},
    {nullptr, nullptr, kNone, 0},
    {"BThelp", "Help", Command::Help, 0},
};

constexpr Entry kFile[] = {
    {"MNopen", "&Open", Command::Open},
    {"MNnew", "&New", Command::New, "Ctrl+N"},
    {"MNload", "&Load...", Command::Load, "Ctrl+O"},
    {"MNclose", "&Close", Command::Close, "Ctrl+W"},
    {"MNsave", "&Save", Command::Save, "Ctrl+S"},
    {"MNsaveas", "Save &As...", Command::SaveAs, "Ctrl+Shift+S"},
    {"", "", kNone},
    {"MNexit", "E&xit", Command::Exit, "Ctrl+Q"},
};

constexpr Entry kEdit[] = {
    {"MNundo", "&Undo", Command::Undo, "Ctrl+Z"},
    {"MNredo", "&Redo", Command::Redo, "Ctrl+Shift+Z"},
};

constexpr Entry kTools[] = {
    {"MNclone", "&Clone", Command::Clone},
    {"MNdelete", "&Delete", Command::Delete},
    {"MNicon", "Change &Icon", Command::ChangeIcon},
    {"MNjoy", "Refresh Device &List", Command::RefreshDevices, "F5"},
    {"MNrun", "&Run", Command::Run},
    {"MNfollow", "&Follow Controller", Command::FollowController},
    {"", "", kNone},
    {"MNoptions", "&Options", Command::Options},
};

constexpr Entry kHelp[] = {
    {"MNcontents", "Contents...", Command::Contents},
    {"MNabout", "&About", Command::About},
};

// The list's separators are named: the command states show and hide them one by one.
constexpr Entry kListMenu[] = {
    {"MNopen", " Open", Command::Open},
    {"MNclose", " Close", Command::Close},
    {"separator1", "", kNone},
    {"MNnew", " Create New", Command::New},
    {"MNload", " Load...", Command::Load},
    {"separator2", "", kNone},
    {"MNsave", " Save", Command::Save},
    {"MNsaveas", " Save As...", Command::SaveAs},
    {"separator3", "", kNone},
    {"MNclone", " Clone", Command::Clone},
    {"MNdelete", " Delete", Command::Delete},
    {"separator4", "", kNone},
    {"MNicon", " Change Icon", Command::ChangeIcon},
};

// The shortcuts belong to the command buttons (shortcuts of a hidden form's menu never fire);
// the menu shows them.
constexpr Entry kTableMenu[] = {
    {"MNrec", "Record Key Mapping", Command::Record, kRecordShortcut},
    {"MNClear", "Clear Entire Row", Command::ClearRow},
    {"MNClearItem", "Clear Selected Item", Command::ClearItem},
    {"MNtest", "Test Key Mappings", Command::Test, kTestShortcut},
    {"", "", kNone},
    {"MNremove", "Remove Items", Command::RemoveItems, kRemoveItemsShortcut},
    {"MNadd", "Add Devices", Command::AddDevices, kAddDevicesShortcut},
    {"MNswap", "Replace Device", Command::ReplaceDevice, kReplaceDeviceShortcut},
};

void route(QAction* action, CommandRouter& router, Command command) {
    QObject::connect(action, &QAction::triggered, &router,
                     [&router, command] { router.trigger(command); });
}

void fill(QMenu& menu, std::span<const Entry> entries, CommandRouter& router) {
    for (const Entry& e : entries) {
        if (*e.text == '\0') {
            menu.addSeparator()->setObjectName(QString::fromLatin1(e.name));
            continue;
        }
        QAction* action = menu.addAction(QString::fromLatin1(e.text));
        action->setObjectName(QString::fromLatin1(e.name));
        if (e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        route(action, router, e.command);
    }
}

// Qt offers no shortcut of a disabled menu's items, so locking a menu also locks its keys.
QMenu* topMenu(QMenuBar& bar, const char* title, std::span<const Entry> entries,
               CommandRouter& router) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(title));
    fill(*menu, entries, router);
    return menu;
}

// The context menus belong to hidden forms, as the list and the table each have a menu
// named MNlistview.
QMenu* contextMenu(QWidget& window, const char* form, std::span<const Entry> entries,
                   CommandRouter& router) {
    auto* holder = new QWidget(&window);
    holder->setObjectName(QString::fromLatin1(form));
    holder->hide();
    auto* menu = new QMenu(holder);
    menu->setObjectName(QStringLiteral("MNlistview"));
    fill(*menu, entries, router);
    return menu;
}

QToolBar* buildToolbar(QMainWindow& window, CommandRouter& router) {
    auto* bar = new QToolBar(QStringLiteral("Toolbar"), &window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& b : kToolbar) {
        if (!b.key) {
            bar->addSeparator();
            continue;
        }
        const QIcon icon = b.picture ? icons::menuPicture(b.picture) : icons::help();
        QAction* action = bar->addAction(icon, QString::fromLatin1(b.text));
        action->setObjectName(QString::fromLatin1(b.key));
        route(action, router, b.command);
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void setPictures(QMenu& menu, std::span<const MenuPicture> pictures) {
    for (const MenuPicture& p : pictures) {
        const QString name =
            QString::fromUtf8(p.item.data(), static_cast<qsizetype>(p.item.size()));
        if (QAction* action = menu.findChild<QAction*>(name)) {
            action->setIcon(icons::menuPicture(p.picture));
        }
    }
}

}  // namespace

MenuSet buildMenus(QMainWindow& window, CommandRouter& router) {
    MenuSet m;
    m.toolbar = buildToolbar(window, router);
    QMenuBar& bar = *window.menuBar();
    m.file = topMenu(bar, "&File", kFile, router);
    m.edit = topMenu(bar, "&Edit", kEdit, router);
    // Ctrl+Y redoes as well, as in most editors.
    m.edit->findChild<QAction*>(QStringLiteral("MNredo"))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                        QKeySequence(QStringLiteral("Ctrl+Y"))});
    m.tools = topMenu(bar, "&Tools", kTools, router);
    m.help = topMenu(bar, "&Help", kHelp, router);
    m.listMenu = contextMenu(window, "MenuForm1", kListMenu, router);
    m.tableMenu = contextMenu(window, "MenuForm2", kTableMenu, router);
    for (QAction* action : m.tableMenu->actions()) action->setShortcutContext(Qt::WidgetShortcut);
    applyMenuPictures(m);
    return m;
}

void applyMenuPictures(const MenuSet& menus) {
    // The main menu's pictured items sit in &File and &Tools.
    setPictures(*menus.file, mainMenuPictures());
    setPictures(*menus.tools, mainMenuPictures());
    setPictures(*menus.listMenu, listMenuPictures());
}

}  // namespace velloran
