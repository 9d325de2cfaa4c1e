// The main window's wiring: every toolbar button, menu item and command button reaches one
// command, the command states reach the controls and back, shortcuts follow their menu, layout.
#include <QMenuBar>
#include <QTest>
#include <map>
#include <set>

#include "editor_fixture.h"
#include "gui_test_main.h"

using namespace velloran;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Editor> editor;
    MainWindow* w = nullptr;
    std::vector<Command> seen;

    void recordCommands() {
        seen.clear();
        for (int c = 0; c < kCommandCount; ++c)
            w->commands().setHandler(Command(c), [this, c] { seen.push_back(Command(c)); });
    }
    QAbstractButton* button(const char* name) const { return testing::commandButton(*w, name); }
    QString recCaption() const {
        return w->menus().tableMenu->findChild<QAction*>("MNrec")->text();
    }

private slots:
    void init() {
        editor = std::make_unique<testing::Editor>();
        w = &editor->shown(DeviceInventory{});
    }
    void cleanup() { editor.reset(); }

    // Items of one name (BTsave, MNsave in File and the list's menu) run one command and items
    // of different names different ones; the command buttons run the table menu's.
    void everyControlReachesOneCommand() {
        recordCommands();
        const MenuSet& m = w->menus();
        std::map<QString, Command> byName;
        std::map<Command, QString> byCommand;
        std::set<Command> tableMenu, buttons;
        for (QWidget* root : std::initializer_list<QWidget*>{m.toolbar, m.file, m.edit, m.tools,
                                                             m.help, m.listMenu, m.tableMenu}) {
            for (QAction* a : root->actions()) {
                if (a->isSeparator()) continue;
                seen.clear();
                a->setEnabled(true);
                a->trigger();
                const QString name = a->objectName().mid(2).toLower();
                QVERIFY2(seen.size() == 1 &&
                             byName.emplace(name, seen[0]).first->second == seen[0] &&
                             byCommand.emplace(seen[0], name).first->second == name,
                         qPrintable(a->objectName()));
                if (root == m.tableMenu) tableMenu.insert(seen[0]);
            }
        }
        QCOMPARE(byName.at("swap"), Command::ReplaceDevice);
        for (QAbstractButton* b : w->controls().commands->findChildren<QAbstractButton*>()) {
            seen.clear();
            b->setEnabled(true);
            b->click();
            QVERIFY2(seen.size() == 1, qPrintable(b->objectName()));
            buttons.insert(seen[0]);
        }
        QCOMPARE(buttons, tableMenu);
    }

    void commandStatesReachTheControlsAndBack() {
        // With nothing listed the rules leave the buttons as the controls have them.
        button("ComRec")->setEnabled(true);
        w->Set_Button_States();
        QVERIFY(button("ComRec")->isEnabled());

        editor = std::make_unique<testing::Editor>();
        w = &editor->start();
        editor->action("BTnew")->trigger();
        w->session().list.selected()->state = state::Changed;
        w->session().recording = true;
        w->Set_Button_States();
        QVERIFY(!w->menus().file->isEnabled());
        QVERIFY(!w->menus().listMenu->isEnabled());
        QVERIFY(!button("ComTest")->isEnabled());
        QCOMPARE(recCaption(), QString("Stop Recording"));
        w->session().recording = false;
        w->Set_Button_States();
        QCOMPARE(recCaption(), QString("Record Key Mappings"));
        QVERIFY(w->menuBar()->findChild<QAction*>("MNsave")->isEnabled());
        // A command asks for the states again once it has run.
        w->commands().setHandler(
            Command::Save, [this] { w->session().list.selected()->state = state::Unchanged; });
        editor->action("BTsave")->trigger();
        QVERIFY(!editor->action("BTsave")->isEnabled());

        editor->action("BThelp")->trigger();
        const Message& help = editor->boxes.shown.back();
        QCOMPARE(help.icon, Icon::Information);
        QCOMPARE(help.title, std::string("Velloran Help"));
        QCOMPARE(help.buttons, Buttons::Ok);
    }

    void shortcutsOnlyWhileTheirMenuIsEnabled() {
        recordCommands();
        for (QAction* a : w->menuBar()->findChildren<QAction*>()) a->setEnabled(true);
        w->menus().file->setEnabled(false);
        QTest::keySequence(w, QKeySequence("Ctrl+S"));
        QVERIFY(seen.empty());
        w->menus().file->setEnabled(true);
        QTest::keySequence(w, QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(seen, std::vector<Command>{Command::SaveAs});
    }

    void layoutFollowsTheWindowSize() {
        const QSize design = w->size();
        QCOMPARE(w->minimumSize(), design);
        const MainControls& c = w->controls();
        const QSize list = c.listView1->size(), table = c.listView3->size();
        w->resize(design + QSize(300, 200));
        QTRY_COMPARE(c.listView3->width(), table.width() + 300);
        QCOMPARE(c.listView1->width(), list.width());
        QVERIFY(c.listView3->height() > table.height());
        QCOMPARE(c.frame1->width(), c.listView3->width());
        const double p1 = c.statusBar1->panel(1)->width(), p2 = c.statusBar1->panel(2)->width();
        QVERIFY2(std::abs(p1 / (p1 + p2) - 0.75) < 0.01, qPrintable(QString::number(p1 / p2)));
    }
};

VELLORAN_GUI_TEST(MainWindowTest);
#include "main_window_test.moc"
