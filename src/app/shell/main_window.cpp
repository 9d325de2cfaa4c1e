#include "shell/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

#include "base/version.h"
#include "session/document_open.h"
#include "session/document_switch.h"
#include "editing/table_events.h"
#include "settings/about_dialog.h"
#include "shell/document_commands.h"
#include "shell/edit_commands.h"
#include "shell/maintenance_commands.h"
#include "shell/settings_commands.h"
#include "shell/startup.h"
#include "shell/xdg_file_association.h"

namespace velloran {
namespace {

constexpr QSize kDesignSize(1000, 660);

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

template <class Control, class Apply>
void forEachNamed(const QObject& root, const Switches& switches, Apply apply) {
    for (const auto& [name, on] : switches) {
        if (Control* control = root.findChild<Control*>(qt(name))) apply(*control, on);
    }
}

template <class Control, class Read>
void readEachNamed(const QObject& root, Switches& switches, Read read) {
    for (auto& [name, on] : switches) {
        if (const Control* control = root.findChild<Control*>(qt(name))) on = read(*control);
    }
}

QMenu* topMenu(const MenuSet& menus, const std::string& caption) {
    for (QMenu* menu : {menus.file, menus.edit, menus.tools, menus.help}) {
        if (menu->title() == qt(caption)) return menu;
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(const DocumentServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qt(mainWindowTitle()));
    setAcceptDrops(true);

    menus_ = buildMenus(*this, router_);
    controls_ = buildMainLayout(*this, router_);
    descriptionEditor_ = new DescriptionEditor(centralWidget());
    tableModel_ = new MappingTableModel(
        [this]() -> const MappingTable* { return session_.tables.tableAt(session_.shownTable); },
        this);
    controls_.listView3->showModel(tableModel_);
    tableEvents_ = std::make_unique<TableEvents>(*this);
    const std::string dataHome = xdgDataHome();
    association_ = std::make_unique<XdgFileAssociation>(
        services_.store, dataHome, xdgDataDirs(dataHome),
        QCoreApplication::applicationFilePath().toStdString(), services_.paths.defaultIcon());

    registerShellCommands();
    registerDocumentCommands(*this);
    registerMaintenanceCommands(*this);
    registerSettingsCommands(*this);
    registerEditCommands(*this);
    connectControls();

    // The window never gets smaller than its design size, so the layout always has room.
    resize(kDesignSize);
    setMinimumSize(kDesignSize);
    Set_Button_States();
    showSession();
}

MainWindow::~MainWindow() {
    controls_.listView3->showModel(nullptr);
}

void MainWindow::registerShellCommands() {
    router_.setHandler(Command::Help, [this] {
        services_.boxes.message(Icon::Information, std::string(kProductName) + " Help",
                                "This feature not yet implemented!");
    });
    router_.setHandler(Command::About, [this] {
        AboutDialog about(this);
        about.exec();
    });
    router_.setHandler(Command::Exit, [this] { close(); });
    router_.setHandler(Command::RefreshDevices, [this] { MNjoy_Click(); });
}

void MainWindow::connectControls() {
    connect(&router_, &CommandRouter::buttonStatesDue, this, &MainWindow::Set_Button_States);
    connect(&router_, &CommandRouter::commandFinished, this, [this] { showSession(); });

    ConfigurationListWidget* list = controls_.listView1;
    connect(list, &ConfigurationListWidget::itemPressed, this, &MainWindow::onItemPressed);
    connect(list, &ConfigurationListWidget::itemDoubleClicked, this, [this] {
        item_double_click(session_, services_);
        Set_Button_States();
        showSession();
    });
    connect(controls_.tabStrip1, &TabStripWidget::tabChosen, this, &MainWindow::onTabChosen);
}

void MainWindow::onItemPressed(const QString& key, Qt::MouseButton button,
                               const QPoint& globalPos) {
    if (session_.testing) return;
    select_item(session_, services_.store, key.toStdString());
    Set_Button_States();
    showSession(TableChange::None);
    if (button == Qt::RightButton) popupListMenu(globalPos);
}

void MainWindow::onTabChosen(int index) {
    const std::string before = session_.currentKey;
    tab_click(session_, services_.store, index);
    Set_Button_States();
    showSession();
    if (session_.currentKey != before) controls_.tabStrip1->setFocus();
}

void MainWindow::secondStart(const std::string& commandLine) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (commandLine.empty()) return;
    pendingSecondStarts_.push_back(commandLine);
    openPendingSecondStarts();
}

void MainWindow::openPendingSecondStarts() {
    // A file must not open in the middle of another command's question.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, this, &MainWindow::openPendingSecondStarts);
        return;
    }
    const QAction* load = menuBar()->findChild<QAction*>(QStringLiteral("MNload"));
    const bool loadOffered = menus_.file->isEnabled() && load && load->isEnabled();
    for (const std::string& commandLine : std::exchange(pendingSecondStarts_, {})) {
        // Recording or testing locks the documents; the file is not forced in then.
        if (!loadOffered) continue;
        openFromCommandLine(session_, services_, commandLine);
        Set_Button_States();
        showSession();
    }
}

void MainWindow::Set_Button_States() {
    applyButtonStates(session_.setButtonStates(commandStates()));
}

CommandStates MainWindow::commandStates() const {
    CommandStates s;
    const auto enabled = [](const QAction& a) { return a.isEnabled(); };
    readEachNamed<QAction>(*menus_.toolbar, s.toolbar, enabled);
    for (auto& [caption, on] : s.menuBar) {
        if (const QMenu* menu = topMenu(menus_, caption)) on = menu->isEnabled();
    }
    readEachNamed<QAction>(*menuBar(), s.mainMenu, enabled);
    readEachNamed<QAction>(*menus_.listMenu, s.listMenuItems,
                           [](const QAction& a) { return a.isVisible(); });
    s.listMenu = menus_.listMenu->isEnabled();
    readEachNamed<QAbstractButton>(*controls_.commands, s.buttons, [this](const QWidget& b) {
        return b.isEnabledTo(controls_.commands);
    });
    readEachNamed<QAction>(*menus_.tableMenu, s.tableMenuItems, enabled);
    s.tableMenu = menus_.tableMenu->isEnabled();
    s.recCaption =
        menus_.tableMenu->findChild<QAction*>(QStringLiteral("MNrec"))->text().toStdString();
    s.testCaption =
        menus_.tableMenu->findChild<QAction*>(QStringLiteral("MNtest"))->text().toStdString();
    return s;
}

void MainWindow::applyButtonStates(const ButtonStatesUpdate& update) {
    const CommandStates& s = update.states;
    const auto setEnabled = [](auto& control, bool on) { control.setEnabled(on); };
    forEachNamed<QAction>(*menus_.toolbar, s.toolbar, setEnabled);
    for (const auto& [caption, on] : s.menuBar) {
        if (QMenu* menu = topMenu(menus_, caption)) menu->setEnabled(on);
    }
    forEachNamed<QAction>(*menuBar(), s.mainMenu, setEnabled);
    forEachNamed<QAction>(*menus_.listMenu, s.listMenuItems,
                          [](QAction& item, bool on) { item.setVisible(on); });
    menus_.listMenu->setEnabled(s.listMenu);
    forEachNamed<QAbstractButton>(*controls_.commands, s.buttons, setEnabled);
    forEachNamed<QAction>(*menus_.tableMenu, s.tableMenuItems, setEnabled);
    menus_.tableMenu->setEnabled(s.tableMenu);
    menus_.tableMenu->findChild<QAction*>(QStringLiteral("MNrec"))->setText(qt(s.recCaption));
    menus_.tableMenu->findChild<QAction*>(QStringLiteral("MNtest"))->setText(qt(s.testCaption));

    CommandPanel& panel = *controls_.commands;
    if (update.recPicture) panel.setRecPicture(qt(*update.recPicture));
    if (update.testPicture) panel.setTestPicture(qt(*update.testPicture));
    if (update.clearFeedback) controls_.text1->clear();
    if (update.applyMenuPictures) applyMenuPictures(menus_);
    showEditCommandStates(menus_, session_);
}

void MainWindow::popupListMenu(const QPoint& globalPos) {
    if (menus_.listMenu->isEnabled()) menus_.listMenu->popup(globalPos);
}

void MainWindow::popupTableMenu(const QPoint& globalPos) {
    if (menus_.tableMenu->isEnabled()) menus_.tableMenu->popup(globalPos);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload(session_, services_.boxes)) {
        event->ignore();
        return;
    }
    emit unloading();
    // The program's other windows close first, the last opened first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible()) (*it)->close();
    }
    event->accept();
}

}  // namespace velloran
