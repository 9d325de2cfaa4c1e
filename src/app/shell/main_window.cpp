#include "shell/main_window.h"

#include <QAbstractButton>
#include <QMenuBar>

#include "base/version.h"
#include "config/mapping_row.h"
#include "settings/about_dialog.h"

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
    for (QMenu* menu : {menus.file, menus.tools, menus.help}) {
        if (menu->title() == qt(caption)) return menu;
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(MessageBoxes& boxes, FileDialogs& files, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), files_(files) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qt(mainWindowTitle()));

    menus_ = buildMenus(*this, router_);
    controls_ = buildMainLayout(*this, router_);
    descriptionEditor_ = std::make_unique<DescriptionEditor>(centralWidget());
    registerShellCommands();
    connectContextMenus();
    connect(&router_, &CommandRouter::buttonStatesDue, this, &MainWindow::Set_Button_States);

    // The template table stands in the table's place while no configuration is open.
    applyTableEffects(init_listview(tables_, colour::TemplateBackground, TableMode::Template,
                                    TableDictionary::kTemplateKey, nullptr, devices_));
    Set_Button_States();

    // The window never gets smaller than its design size, so the layout always has room.
    resize(kDesignSize);
    setMinimumSize(kDesignSize);
}

MainWindow::~MainWindow() {
    controls_.listView3->showModel(nullptr);
}

void MainWindow::registerShellCommands() {
    router_.setHandler(Command::Help, [this] {
        boxes_.message(Icon::Information, std::string(kProductName) + " Help",
                       "This feature not yet implemented!");
    });
    router_.setHandler(Command::About, [this] {
        AboutDialog about(this);
        about.exec();
    });
    router_.setHandler(Command::Exit, [this] { close(); });
}

void MainWindow::connectContextMenus() {
    ConfigurationList* list = controls_.listView1;
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& pos) {
        if (list->itemAt(pos)) popupListMenu(list->viewport()->mapToGlobal(pos));
    });
    MappingTableView* table = controls_.listView3;
    connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint& pos) {
        if (table->indexAt(pos).isValid()) popupTableMenu(table->viewport()->mapToGlobal(pos));
    });
}

MappingTableModel& MainWindow::tableModel(const MappingTable& table) {
    std::unique_ptr<MappingTableModel>& model = models_[&table];
    if (!model) model = std::make_unique<MappingTableModel>(table);
    return *model;
}

void MainWindow::dropTableModel(const MappingTable& table) {
    const auto it = models_.find(&table);
    if (it == models_.end()) return;
    if (controls_.listView3->tableModel() == it->second.get()) {
        controls_.listView3->showModel(nullptr);
    }
    models_.erase(it);
}

void MainWindow::showTable(const MappingTable& table) {
    controls_.listView3->showModel(&tableModel(table));
}

void MainWindow::applyTableEffects(const TableControlEffects& effects) {
    const auto enable = [](QWidget* w, const std::optional<bool>& on) {
        if (on) w->setEnabled(*on);
    };
    CommandPanel& panel = *controls_.commands;
    enable(panel.button(QStringLiteral("ComDel")), effects.comDel);
    enable(panel.button(QStringLiteral("ComRec")), effects.comRec);
    enable(panel.button(QStringLiteral("ComSwap")), effects.comSwap);
    enable(panel.button(QStringLiteral("ComTest")), effects.comTest);
    enable(controls_.tabStrip1, effects.tabStrip1);
    if (effects.clearRecordingAndTesting) {
        panel.recording = false;
        panel.testing = false;
    }
    if (const MappingTable* shown = tables_.tableAt(effects.shownIndex)) {
        tableModel(*shown).reload();
        showTable(*shown);
    }
}

ButtonStateInputs MainWindow::buttonStateInputs() const {
    ButtonStateInputs in;
    const ConfigurationList& list = *controls_.listView1;
    const TabStrip& tabs = *controls_.tabStrip1;
    in.listEmpty = list.count() == 0;
    in.noneOpen = tabs.count() == 0 || tabs.key(0) == TabStrip::kPlaceholderKey;
    in.recording = controls_.commands->recording;
    in.testing = controls_.commands->testing;
    if (const QListWidgetItem* selected = list.currentItem()) {
        in.stateCode = ConfigurationList::stateCode(*selected);
    }
    in.deviceCount = static_cast<int>(devices_.devices.size());
    return in;
}

void MainWindow::Set_Button_States() {
    applyButtonStates(velloran::Set_Button_States(buttonStateInputs(), commandStates()));
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
    panel.recording = update.recording;
    panel.testing = update.testing;
    if (update.recPicture) panel.setRecPicture(qt(*update.recPicture));
    if (update.testPicture) panel.setTestPicture(qt(*update.testPicture));
    if (update.clearFeedback) controls_.text1->clear();
    if (update.applyMenuPictures) applyMenuPictures(menus_);
}

void MainWindow::popupListMenu(const QPoint& globalPos) {
    if (menus_.listMenu->isEnabled()) menus_.listMenu->popup(globalPos);
}

void MainWindow::popupTableMenu(const QPoint& globalPos) {
    if (menus_.tableMenu->isEnabled()) menus_.tableMenu->popup(globalPos);
}

}  // namespace velloran
