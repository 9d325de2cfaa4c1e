// The main window's wiring: every toolbar button, menu item and command button reaches one
// command, the command states reach the controls, shortcuts follow their menu, and the layout.
#include <QAbstractButton>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <map>
#include <set>

#include "editor_fixture.h"
#include "gui_test_main.h"

using namespace velloran;

namespace {

QAction* action(const QObject& root, const char* name) {
    return root.findChild<QAction*>(QString::fromLatin1(name));
}

QAbstractButton* button(const MainWindow& w, const char* name) {
    return w.findChild<QAbstractButton*>(QString::fromLatin1(name));
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
    std::vector<Command> triggered(QAction* a) {
        seen_.clear();
        a->setEnabled(true);
        a->trigger();
        return seen_;
    }

private slots:
    void init() {
        seen_.clear();
        editor = std::make_unique<testing::Editor>();
        w = &editor->start(DeviceInventory{});
        editor->boxes.shown.clear();
    }
    void cleanup() { editor.reset(); }

    // Items of one name (BTsave, MNsave in the File menu and the list's menu) run one command;
    // items of different names run different ones; the command buttons run the table menu's.
    void everyControlReachesOneCommand() {
        recordCommands();
        const MenuSet& m = w->menus();
        std::map<QString, Command> byName;
        std::set<Command> tableMenu;
        for (const QWidget* root :
             {static_cast<QWidget*>(m.toolbar), static_cast<QWidget*>(m.file),
              static_cast<QWidget*>(m.tools), static_cast<QWidget*>(m.help),
              static_cast<QWidget*>(m.listMenu), static_cast<QWidget*>(m.tableMenu)}) {
            for (QAction* a : root->actions()) {
                if (a->isSeparator()) continue;
                const std::vector<Command> got = triggered(a);
                QVERIFY2(got.size() == 1, qPrintable(a->objectName()));
                const QString name = a->objectName().mid(2).toLower();
                QVERIFY2(byName.emplace(name, got[0]).first->second == got[0],
                         qPrintable(a->objectName()));
                if (root == m.tableMenu) tableMenu.insert(got[0]);
            }
        }
        std::set<Command> distinct;
        for (const auto& [name, command] : byName) distinct.insert(command);
        QCOMPARE(distinct.size(), byName.size());
        QCOMPARE(byName.at("open"), Command::Open);
        QCOMPARE(byName.at("saveas"), Command::SaveAs);
        QCOMPARE(byName.at("exit"), Command::Exit);
        QCOMPARE(byName.at("swap"), Command::ReplaceDevice);

        std::set<Command> buttons;
        for (QAbstractButton* b : w->controls().commands->findChildren<QAbstractButton*>()) {
            seen_.clear();
            b->setEnabled(true);
            b->click();
            QVERIFY2(seen_.size() == 1, qPrintable(b->objectName()));
            buttons.insert(seen_[0]);
        }
        QCOMPARE(buttons, tableMenu);
    }

    void commandStatesReachTheControls() {
        editor = std::make_unique<testing::Editor>();
        w = &editor->start();
        action(*w->menus().toolbar, "BTnew")->trigger();
        w->session().list.selected()->state = state::Changed;
        w->Set_Button_States();
        QVERIFY(action(*w->menus().toolbar, "BTsave")->isEnabled());
        QVERIFY(action(*w->menuBar(), "MNsave")->isEnabled());
        QVERIFY(!action(*w->menus().toolbar, "BTrun")->isEnabled());
        QVERIFY(button(*w, "ComRec")->isEnabled());

        // Recording locks the documents; stopping gives them back.
        w->session().recording = true;
        w->Set_Button_States();
        QVERIFY(!w->menus().file->isEnabled());
        QVERIFY(!w->menus().listMenu->isEnabled());
        QVERIFY(!action(*w->menus().toolbar, "BThelp")->isEnabled());
        QCOMPARE(action(*w->menus().tableMenu, "MNrec")->text(), QString("Stop Recording"));
        QVERIFY(button(*w, "ComClear")->isEnabled());
        QVERIFY(!button(*w, "ComTest")->isEnabled());
        w->session().recording = false;
        w->Set_Button_States();
        QVERIFY(w->menus().file->isEnabled());
        QCOMPARE(action(*w->menus().tableMenu, "MNrec")->text(), QString("Record Key Mappings"));

        // A command asks for the states again once it has run.
        w->commands().setHandler(
            Command::Save, [this] { w->session().list.selected()->state = state::Unchanged; });
        action(*w->menus().toolbar, "BTsave")->trigger();
        QVERIFY(!action(*w->menus().toolbar, "BTsave")->isEnabled());
        QVERIFY(action(*w->menus().toolbar, "BTrun")->isEnabled());
    }

    void statesTheRulesLeaveAloneStayAsTheyAre() {
        button(*w, "ComRec")->setEnabled(true);
        button(*w, "ComClear")->setEnabled(false);
        w->Set_Button_States();
        QVERIFY(button(*w, "ComRec")->isEnabled());
        QVERIFY(!button(*w, "ComClear")->isEnabled());
    }

    void shortcutsOnlyWhileTheirMenuIsEnabled() {
        recordCommands();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        // A command asks for the states again, which an empty list turns off: all on first.
        const auto allOn = [this] {
            for (QAction* a : w->menuBar()->findChildren<QAction*>()) a->setEnabled(true);
            seen_.clear();
        };
        allOn();
        QTest::keySequence(w, QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(seen_, std::vector<Command>{Command::SaveAs});
        allOn();
        w->menus().file->setEnabled(false);
        QTest::keySequence(w, QKeySequence("Ctrl+S"));
        QVERIFY(seen_.empty());
        w->menus().file->setEnabled(true);
        QTest::keySequence(w, QKeySequence("Ctrl+S"));
        QCOMPARE(seen_, std::vector<Command>{Command::Save});
    }

    // Exit is driven in the editor workflow's close.
    void helpAnswersWithANotice() {
        action(*w->menus().toolbar, "BThelp")->trigger();
        QCOMPARE(editor->boxes.shown.size(), std::size_t(1));
        const Message& help = editor->boxes.shown[0];
        QCOMPARE(help.icon, Icon::Information);
        QCOMPARE(help.title, std::string("Velloran Help"));
        QCOMPARE(help.buttons, Buttons::Ok);
    }

    void layoutFollowsTheWindowSize() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize design = w->size();
        QCOMPARE(w->minimumSize(), design);
        const MainControls& c = w->controls();
        const int listWidth = c.listView1->width();
        const int tableWidth = c.listView3->width();
        const int tableHeight = c.listView3->height();
        w->resize(design + QSize(300, 200));
        QTRY_COMPARE(w->size(), design + QSize(300, 200));
        QCOMPARE(c.listView1->width(), listWidth);
        QCOMPARE(c.listView3->width(), tableWidth + 300);
        QVERIFY(c.listView3->height() > tableHeight);
        QCOMPARE(c.frame1->width(), c.listView3->width());
        const double p1 = c.statusBar1->panel(1)->width();
        const double p2 = c.statusBar1->panel(2)->width();
        QVERIFY2(std::abs(p1 / (p1 + p2) - 0.75) < 0.01, qPrintable(QString::number(p1 / p2)));
    }
};

VELLORAN_GUI_TEST(MainWindowTest);
#include "main_window_test.moc"
