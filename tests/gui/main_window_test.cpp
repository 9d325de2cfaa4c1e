// The main window: its controls by name, the routing of every toolbar button, menu item and
// command button, the command states drawn from the session, shortcuts and the layout.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <map>

#include "editor_fixture.h"
#include "resources/icons.h"

using namespace velloran;

namespace {

QStringList actionNames(const QWidget& w) {
    QStringList names;
    for (const QAction* a : w.actions())
        names << (a->isSeparator() && a->objectName().isEmpty() ? "-" : a->objectName());
    return names;
}

QAction* action(const QObject& root, const char* name) {
    return root.findChild<QAction*>(QString::fromLatin1(name));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Editor> editor;
    MainWindow* w = nullptr;

    std::vector<Command> seen_;

    // Replaces every command's handler by one that records the command in seen_.
    void recordCommands() {
        for (int c = 0; c < kCommandCount; ++c) {
            const auto command = static_cast<Command>(c);
            w->commands().setHandler(command, [this, command] { seen_.push_back(command); });
        }
    }

    // A window loaded with one pad, one configuration created by New and put in `stateCode`.
    void openOneConfiguration(int stateCode) {
        editor = std::make_unique<testing::Editor>();
        w = &editor->start();
        action(*w->menus().toolbar, "BTnew")->trigger();
        w->session().list.selected()->state = stateCode;
        w->Set_Button_States();
    }

private slots:
    // A window loaded without any input device.
    void init() {
        seen_.clear();
        editor = std::make_unique<testing::Editor>();
        w = &editor->start(DeviceInventory{});
        editor->boxes.shown.clear();
    }
    void cleanup() { editor.reset(); }

    void controlsCarryTheirNames() {
        QCOMPARE(w->objectName(), QString("Form1"));
        QCOMPARE(w->windowTitle(), QString("Velloran Ver. 1.4.9 (Beta)"));
        QVERIFY(w->findChild<QListWidget*>("ListView1"));
        QVERIFY(w->findChild<QTabBar*>("TabStrip1"));
        QVERIFY(w->findChild<QTableView*>("ListView3"));
        QVERIFY(w->findChild<QGroupBox*>("Frame1")->findChild<QListWidget*>("ListView2"));
        QVERIFY(w->findChild<QLineEdit*>("Text1")->text().isEmpty());  // cleared at load
        QVERIFY(w->findChild<QStatusBar*>("StatusBar1"));
        QVERIFY(w->findChild<QLineEdit*>("TextEdit")->isHidden());
        QVERIFY(w->findChild<QWidget*>("ShadowBox")->isHidden());

        const std::map<QString, QString> tips = {
            {"ComRec", "Record key mapping (Ctrl+R)"},
            {"ComClear", "Clear entire row"},
            {"ComClearItem", "Clear selected item"},
            {"ComTest", "Test mappings (Ctrl+T)"},
            {"ComDel", "Remove inactive & duplicate items from configuration list (Ctrl+Shift+R)"},
            {"ComAdd",
             "Update missing input devices & buttons not in the configuration list (Ctrl+Shift+A)"},
            {"ComSwap", "Replace selected input device (Ctrl+Shift+E)"},
        };
        for (const auto& [name, tip] : tips) {
            auto* b = w->findChild<QAbstractButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->toolTip(), tip);
        }
    }

    void toolbarAndMenusHoldTheirItems() {
        QCOMPARE(
            actionNames(*w->findChild<QToolBar*>("Toolbar1")).filter(QRegularExpression("^BT")),
            QStringList({"BTopen", "BTnew", "BTload", "BTclose", "BTsave", "BTsaveas", "BTclone",
                         "BTdelete", "BTicon", "BTjoy", "BTrun", "BThelp"}));
        const MenuSet& m = w->menus();
        QCOMPARE(m.file->title(), QString("&File"));
        QCOMPARE(actionNames(*m.file), QStringList({"MNopen", "MNnew", "MNload", "MNclose",
                                                    "MNsave", "MNsaveas", "-", "MNexit"}));
        QCOMPARE(actionNames(*m.tools), QStringList({"MNclone", "MNdelete", "MNicon", "MNjoy",
                                                     "MNrun", "MNfollow", "-", "MNoptions"}));
        QCOMPARE(w->menuBar()->actions().at(1)->menu(), m.edit);
        QCOMPARE(actionNames(*m.edit), QStringList({"MNundo", "MNredo"}));
        QCOMPARE(actionNames(*m.help), QStringList({"MNcontents", "MNabout"}));
        QCOMPARE(action(*m.tools, "MNjoy")->text(), QString("Refresh Device &List"));
        QCOMPARE(action(*m.tools, "MNoptions")->text(), QString("&Options"));
        QCOMPARE(action(*m.help, "MNcontents")->text(), QString("Contents..."));

        QMenu* list = w->findChild<QWidget*>("MenuForm1")->findChild<QMenu*>("MNlistview");
        QCOMPARE(list, m.listMenu);
        QCOMPARE(actionNames(*list),
                 QStringList({"MNopen", "MNclose", "separator1", "MNnew", "MNload", "separator2",
                              "MNsave", "MNsaveas", "separator3", "MNclone", "MNdelete",
                              "separator4", "MNicon"}));
        QStringList texts;
        for (const QAction* a : list->actions()) {
            if (!a->isSeparator()) texts << a->text();
        }
        QCOMPARE(texts, QStringList({" Open", " Close", " Create New", " Load...", " Save",
                                     " Save As...", " Clone", " Delete", " Change Icon"}));

        QMenu* table = w->findChild<QWidget*>("MenuForm2")->findChild<QMenu*>("MNlistview");
        QCOMPARE(table, m.tableMenu);
        QCOMPARE(actionNames(*table), QStringList({"MNrec", "MNClear", "MNClearItem", "MNtest", "-",
                                                   "MNremove", "MNadd", "MNswap"}));
    }

    void menuPicturesFollowTheirCommand() {
        const MenuSet& m = w->menus();
        const auto picture = [](const QAction* a) { return a->icon().cacheKey(); };
        const std::pair<const char*, int> pictured[] = {
            {"MNopen", 1},   {"MNnew", 2},   {"MNload", 3},   {"MNsave", 4},
            {"MNsaveas", 5}, {"MNclone", 6}, {"MNdelete", 7}, {"MNicon", 8},
            {"MNclose", 9},  {"MNjoy", 10},  {"MNrun", 11},
        };
        for (const auto& [name, index] : pictured) {
            QCOMPARE(picture(w->menuBar()->findChild<QAction*>(name)),
                     icons::menuPicture(index).cacheKey());
        }
        QCOMPARE(picture(action(*m.listMenu, "MNnew")), icons::menuPicture(2).cacheKey());
        for (const char* bare : {"MNexit", "MNoptions", "MNcontents", "MNabout"}) {
            QVERIFY2(w->menuBar()->findChild<QAction*>(bare)->icon().isNull(), bare);
        }
    }

    void everyControlReachesItsCommand() {
        recordCommands();
        const MenuSet& m = w->menus();
        struct Route {
            const QObject* root;
            const char* name;
            Command command;
        };
        const Route routes[] = {
            {m.toolbar, "BTopen", Command::Open},
            {m.toolbar, "BTnew", Command::New},
            {m.toolbar, "BTload", Command::Load},
            {m.toolbar, "BTclose", Command::Close},
            {m.toolbar, "BTsave", Command::Save},
            {m.toolbar, "BTsaveas", Command::SaveAs},
            {m.toolbar, "BTclone", Command::Clone},
            {m.toolbar, "BTdelete", Command::Delete},
            {m.toolbar, "BTicon", Command::ChangeIcon},
            {m.toolbar, "BTjoy", Command::RefreshDevices},
            {m.toolbar, "BTrun", Command::Run},
            {m.toolbar, "BThelp", Command::Help},
            {m.file, "MNopen", Command::Open},
            {m.file, "MNnew", Command::New},
            {m.file, "MNload", Command::Load},
            {m.file, "MNclose", Command::Close},
            {m.file, "MNsave", Command::Save},
            {m.file, "MNsaveas", Command::SaveAs},
            {m.file, "MNexit", Command::Exit},
            {m.tools, "MNclone", Command::Clone},
            {m.tools, "MNdelete", Command::Delete},
            {m.tools, "MNicon", Command::ChangeIcon},
            {m.tools, "MNjoy", Command::RefreshDevices},
            {m.tools, "MNrun", Command::Run},
            {m.tools, "MNoptions", Command::Options},
            {m.help, "MNcontents", Command::Contents},
            {m.help, "MNabout", Command::About},
            {m.listMenu, "MNopen", Command::Open},
            {m.listMenu, "MNclose", Command::Close},
            {m.listMenu, "MNnew", Command::New},
            {m.listMenu, "MNload", Command::Load},
            {m.listMenu, "MNsave", Command::Save},
            {m.listMenu, "MNsaveas", Command::SaveAs},
            {m.listMenu, "MNclone", Command::Clone},
            {m.listMenu, "MNdelete", Command::Delete},
            {m.listMenu, "MNicon", Command::ChangeIcon},
            {m.tableMenu, "MNrec", Command::Record},
            {m.tableMenu, "MNClear", Command::ClearRow},
            {m.tableMenu, "MNClearItem", Command::ClearItem},
            {m.tableMenu, "MNtest", Command::Test},
            {m.tableMenu, "MNremove", Command::RemoveItems},
            {m.tableMenu, "MNadd", Command::AddDevices},
            {m.tableMenu, "MNswap", Command::ReplaceDevice},
        };
        for (const Route& r : routes) {
            seen_.clear();
            QAction* a = action(*r.root, r.name);
            QVERIFY2(a, r.name);
            a->setEnabled(true);
            a->trigger();
            QCOMPARE(seen_, std::vector<Command>{r.command});
        }
        const std::pair<const char*, Command> buttons[] = {
            {"ComRec", Command::Record},          {"ComClear", Command::ClearRow},
            {"ComClearItem", Command::ClearItem}, {"ComTest", Command::Test},
            {"ComDel", Command::RemoveItems},     {"ComAdd", Command::AddDevices},
            {"ComSwap", Command::ReplaceDevice},
        };
        for (const auto& [name, command] : buttons) {
            seen_.clear();
            auto* b = w->findChild<QAbstractButton*>(name);
            b->setEnabled(true);
            b->click();
            QCOMPARE(seen_, std::vector<Command>{command});
        }
    }

    void helpAnswersWithANoticeAndExitCloses() {
        action(*w->menus().toolbar, "BThelp")->trigger();
        const auto& boxes = editor->boxes;
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0], (Message{Icon::Information, "Velloran Help",
                                          "This feature not yet implemented!", Buttons::Ok}));

        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        action(*w->menus().file, "MNexit")->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(boxes.shown.size(), std::size_t(1));
    }

    void loadsWithoutDevicesAndSaysSo() {
        testing::Editor fresh;
        MainWindow& window = fresh.start(DeviceInventory{});
        const Message notice{Icon::Exclamation, "No Input Devices",
                             "No input devices found!\r\n\r\nSome features will not be available."};
        QCOMPARE(fresh.boxes.shown, std::vector<Message>{notice});
        QListWidget* devices = window.findChild<QListWidget*>("ListView2");
        QCOMPARE(devices->count(), 1);
        QCOMPARE(devices->item(0)->text(), QString("No Input Devices Found."));
        QCOMPARE(window.controls().statusBar1->panelText(1),
                 QString("Input Devices: Not Available"));

        testing::Editor withPad;
        MainWindow& padWindow = withPad.start();
        QVERIFY(withPad.boxes.shown.empty());
        QCOMPARE(padWindow.controls().listView2->item(0)->text(), QString("Pad"));
        QCOMPARE(padWindow.controls().statusBar1->panelText(1),
                 QString("Input Devices: Available"));
        QVERIFY(padWindow.menuBar()->findChild<QAction*>("MNnew")->isEnabled());
    }

    void startsWithOnlyLoadRefreshAndHelp() {
        // Empty list, no device: New needs a device, and the template table is shown disabled.
        QStringList enabled;
        for (const QAction* a : w->menus().toolbar->actions()) {
            if (!a->isSeparator() && a->isEnabled()) enabled << a->objectName();
        }
        QCOMPARE(enabled, QStringList({"BTload", "BTjoy", "BThelp"}));
        QVERIFY(!w->menuBar()->findChild<QAction*>("MNnew")->isEnabled());
        QVERIFY(w->menuBar()->findChild<QAction*>("MNload")->isEnabled());
        for (const char* name : {"ComRec", "ComDel", "ComSwap", "ComTest"}) {
            QVERIFY2(!w->findChild<QAbstractButton*>(name)->isEnabled(), name);
        }
        QVERIFY(!w->controls().tabStrip1->isEnabled());
        QCOMPARE(w->controls().tabStrip1->key(0), QString("BLANK"));
        QCOMPARE(w->controls().tabStrip1->tabText(0), QString());
        QVERIFY(!w->controls().listView3->isEnabled());
        QCOMPARE(w->controls().listView3->model()->columnCount(), 41);
        QVERIFY(!action(*w->menus().listMenu, "MNopen")->isVisible());
        QVERIFY(action(*w->menus().listMenu, "MNload")->isVisible());
    }

    void commandStatesFollowTheDocument() {
        openOneConfiguration(16);
        w->Set_Button_States();
        const QObject& bar = *w->menuBar();
        QVERIFY(action(*w->menus().toolbar, "BTsave")->isEnabled());
        QVERIFY(action(bar, "MNsave")->isEnabled());
        QVERIFY(!action(bar, "MNopen")->isEnabled());
        QVERIFY(action(*w->menus().listMenu, "separator3")->isVisible());
        QVERIFY(!action(*w->menus().toolbar, "BTrun")->isEnabled());  // changed: save first
        for (const char* name : {"ComRec", "ComClear", "ComDel", "ComSwap", "ComTest"}) {
            QVERIFY2(w->findChild<QAbstractButton*>(name)->isEnabled(), name);
        }

        // Recording locks the documents: menus and toolbar off, only the row clearing stays.
        w->session().recording = true;
        w->Set_Button_States();
        QVERIFY(!w->menus().file->isEnabled());
        QVERIFY(!w->menus().help->isEnabled());
        QVERIFY(!action(bar, "MNoptions")->isEnabled());
        QVERIFY(!action(*w->menus().toolbar, "BThelp")->isEnabled());
        QVERIFY(!w->menus().listMenu->isEnabled());
        QCOMPARE(action(*w->menus().tableMenu, "MNrec")->text(), QString("Stop Recording"));
        QVERIFY(!action(*w->menus().tableMenu, "MNtest")->isEnabled());
        QVERIFY(w->findChild<QAbstractButton*>("ComClear")->isEnabled());
        QVERIFY(!w->findChild<QAbstractButton*>("ComTest")->isEnabled());
        QVERIFY(w->session().recording);

        // Back to editing: everything the recording locked comes back.
        w->session().recording = false;
        w->Set_Button_States();
        QVERIFY(w->menus().file->isEnabled());
        QVERIFY(w->menus().listMenu->isEnabled());
        QVERIFY(action(*w->menus().toolbar, "BThelp")->isEnabled());
        QCOMPARE(action(*w->menus().tableMenu, "MNrec")->text(), QString("Record Key Mappings"));

        // With no configuration open the modes drop and the row commands go off.
        w->controls().commands->setRecPicture("rec_on");
        w->session().testing = true;
        w->session().tabs.resetToPlaceholder();
        w->Set_Button_States();
        QVERIFY(!w->session().testing);
        QCOMPARE(w->controls().commands->recPicture(), QString("rec_off"));
        QVERIFY(w->controls().text1->text().isEmpty());
        QVERIFY(!w->findChild<QAbstractButton*>("ComClear")->isEnabled());
    }

    void statesTheRulesLeaveAloneStayAsTheyAre() {
        // An empty list leaves the command buttons alone, whatever enabled them.
        w->findChild<QAbstractButton*>("ComRec")->setEnabled(true);
        w->findChild<QAbstractButton*>("ComClear")->setEnabled(false);
        w->Set_Button_States();
        QVERIFY(w->findChild<QAbstractButton*>("ComRec")->isEnabled());
        QVERIFY(!w->findChild<QAbstractButton*>("ComClear")->isEnabled());
    }

    void documentCommandsAskForTheStatesAgain() {
        openOneConfiguration(16);
        QVERIFY(action(*w->menus().toolbar, "BTsave")->isEnabled());
        w->commands().setHandler(Command::Save,
                                 [this] { w->session().list.selected()->state = 0; });
        action(*w->menus().toolbar, "BTsave")->trigger();
        QVERIFY(!action(*w->menus().toolbar, "BTsave")->isEnabled());
        QVERIFY(action(*w->menus().toolbar, "BTrun")->isEnabled());
    }

    void shortcutsOnlyWhileTheirMenuIsEnabled() {
        recordCommands();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const std::pair<QKeySequence, Command> keys[] = {
            {QKeySequence("Ctrl+N"), Command::New},
            {QKeySequence("Ctrl+O"), Command::Load},
            {QKeySequence("Ctrl+S"), Command::Save},
            {QKeySequence("Ctrl+Shift+S"), Command::SaveAs},
            {QKeySequence("Ctrl+W"), Command::Close},
            {QKeySequence("F5"), Command::RefreshDevices},
            {QKeySequence("Ctrl+Q"), Command::Exit},
        };
        for (const auto& [key, command] : keys) {
            // New and Load recompute the states, which an empty list turns off.
            for (QAction* a : w->menuBar()->findChildren<QAction*>()) a->setEnabled(true);
            seen_.clear();
            QTest::keySequence(w, key);
            QVERIFY2(seen_ == std::vector<Command>{command}, qPrintable(key.toString()));
        }
        w->menus().file->setEnabled(false);
        seen_.clear();
        QTest::keySequence(w, QKeySequence("Ctrl+S"));
        QVERIFY(seen_.empty());
        w->menus().file->setEnabled(true);
        QTest::keySequence(w, QKeySequence("Ctrl+S"));
        QCOMPARE(seen_, std::vector<Command>{Command::Save});
    }

    void layoutFollowsTheWindowSize() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize design = w->size();
        QCOMPARE(w->minimumSize(), design);

        const MainControls& c = w->controls();
        const auto inCentral = [&](QWidget* widget) {
            return QRect(widget->mapTo(w, QPoint(0, 0)), widget->size());
        };
        const auto check = [&] {
            const QRect list = inCentral(c.listView1);
            const QRect table = inCentral(c.listView3);
            const QRect frame = inCentral(c.frame1);
            const QRect status = inCentral(c.statusBar1);
            QVERIFY(status.top() - list.bottom() < 12);  // the list runs down to the status bar
            QVERIFY(frame.top() > table.bottom());       // the device frame sits below the table
            QVERIFY(status.top() - frame.bottom() < 12);
            QCOMPARE(frame.width(), table.width());
            QVERIFY(w->width() - table.right() < 12);  // the table fills the width
            const double p1 = c.statusBar1->panel(1)->width();
            const double p2 = c.statusBar1->panel(2)->width();
            QVERIFY2(std::abs(p1 / (p1 + p2) - 0.75) < 0.01,
                     qPrintable(QString::number(p1 / (p1 + p2))));
        };
        check();
        const int listWidth = c.listView1->width();
        const int text1Width = c.text1->width();
        w->resize(design + QSize(300, 200));
        QTRY_COMPARE(w->size(), design + QSize(300, 200));
        check();
        QCOMPARE(c.listView1->width(), listWidth);
        QCOMPARE(c.text1->width(), text1Width + 300);

        w->resize(design - QSize(200, 100));
        QTRY_COMPARE(w->size(), design);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
