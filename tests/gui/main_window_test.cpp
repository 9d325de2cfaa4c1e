// The main window as a user drives it: every toolbar button, menu item and command button
// reaches one command, and the document commands run from the mouse and the keyboard:
// configurations created, edited, undone, saved, closed, reopened, switched, dropped, run,
// handed over and closed.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <set>

#include "editor_fixture.h"
#include "gui_test_main.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

QPoint firstItem(const MainWindow& w) {
    return w.controls().listView1->visualItemRect(w.controls().listView1->item(0)).center();
}

QLineEdit& textEdit(const MainWindow& w) {
    return *w.findChild<QLineEdit*>("TextEdit");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Items of one name (BTsave, MNsave in File and the list's menu) run one command and items
    // of different names different ones; the command buttons run the table menu's.
    void everyControlReachesOneCommand() {
        Editor editor;
        MainWindow& w = editor.shown(DeviceInventory{});
        std::vector<Command> seen;
        for (int c = 0; c < kCommandCount; ++c)
            w.commands().setHandler(Command(c), [&seen, c] { seen.push_back(Command(c)); });
        const MenuSet& m = w.menus();
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
        for (QAbstractButton* b : w.controls().commands->findChildren<QAbstractButton*>()) {
            seen.clear();
            b->setEnabled(true);
            b->click();
            QVERIFY2(seen.size() == 1, qPrintable(b->objectName()));
            buttons.insert(seen[0]);
        }
        QCOMPARE(buttons, tableMenu);
    }

    // From the keyboard: while recording the File menu and its keys are locked; an edit is
    // undone and redone, saved, and read back when the closed file is opened from the list.
    void editUndoSaveCloseAndReopen() {
        Editor editor;
        MainWindow& w = editor.shown();
        QTest::keySequence(&w, QKeySequence("Ctrl+N"));
        MappingTableView* view = w.controls().listView3;
        QTRY_VERIFY(view->hasFocus());  // a new configuration's table takes the keyboard
        w.session().recording = true;
        w.Set_Button_States();
        QVERIFY(!w.menus().file->isEnabled());
        QTest::keySequence(&w, QKeySequence("Ctrl+N"));
        QCOMPARE(w.controls().tabStrip1->count(), 1);
        w.session().recording = false;
        w.Set_Button_States();
        const auto keys = [view](std::vector<int> ks) {
            for (int k : ks) QTest::keyClick(view, Qt::Key(k));
        };
        const auto repeat = [&w] { return w.session().currentTable()->row(1).flag(col::Repeat); };
        keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(repeat());
        QTest::keySequence(&w, QKeySequence("Ctrl+Z"));
        QVERIFY(!repeat());
        QTest::keySequence(&w, QKeySequence("Ctrl+Y"));
        QVERIFY(repeat());
        for (int i = col::Repeat; i < col::Description; ++i) keys({Qt::Key_Right});
        keys({Qt::Key_F2});
        textEdit(w).setText("Gear");
        QTest::keyClick(&textEdit(w), Qt::Key_Return);
        editor.dialogs.answers = {editor.temp("gear.vlz")};
        QTest::keySequence(&w, QKeySequence("Ctrl+Shift+S"));
        QTest::keySequence(&w, QKeySequence("Ctrl+W"));
        QCOMPARE(w.controls().tabStrip1->key(0), QString("BLANK"));
        QTest::mouseDClick(w.controls().listView1->viewport(), Qt::LeftButton, {}, firstItem(w));
        QCOMPARE(cell(w, 1, col::Repeat), QString("On"));
        QCOMPARE(cell(w, 1, col::Description), QString("Gear"));
    }

    // A drop reaches the widget that accepted the drag's entry: here the window, whichever child
    // the files are over; the list takes none while a test runs. Right clicks open the menus,
    // on an item only; a tab's click switches the table.
    void dropMenusAndTabs() {
        Editor editor;
        MainWindow& w = editor.shown(inventoryOf({kPad}), editor.write("one.vlz", {{1, "first"}}));
        QMimeData data;
        for (const char* name : {"two.vlz", "three.vlz"})
            data.setUrls(data.urls() << QUrl::fromLocalFile(
                             QString::fromStdString(editor.write(name, {{1, name}, {2, "b"}}))));
        const auto dropOn = [&data](QWidget* widget) {
            const QPoint at = widget->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &drop);
            return enter.isAccepted() && drop.isAccepted();
        };
        w.session().testing = true;
        QVERIFY(dropOn(w.controls().listView1->viewport()));
        QCOMPARE(w.controls().listView1->count(), 1);
        w.session().testing = false;
        QVERIFY(dropOn(w.controls().listView3->viewport()));
        QCOMPARE(w.controls().listView1->count(), 2);

        clickCell(w, 1, col::Rotary, Qt::RightButton);
        QTRY_VERIFY(w.menus().tableMenu->isVisible());
        QCOMPARE(w.session().currentTable()->selected, 1);
        w.menus().tableMenu->hide();
        QWidget* list = w.controls().listView1->viewport();
        QTest::mouseClick(list, Qt::RightButton, {}, list->rect().bottomRight());
        QTest::mouseClick(list, Qt::RightButton, {}, firstItem(w));
        QTRY_VERIFY(w.menus().listMenu->isVisible());
        w.menus().listMenu->hide();

        TabStripWidget& tabs = *w.controls().tabStrip1;
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(cell(w, 0, col::Description), QString("first"));
    }

    void runHandOverAndCloseWhenTheUserAgrees() {
        Editor editor;
        MainWindow& w = editor.shown(inventoryOf({kPad}), editor.write("my pad.vlz", {{1, "A"}}));
        editor.action("BTrun")->trigger();
        QCOMPARE(editor.launcher.starts.size(), std::size_t(1));
        w.secondStart(editor.write("other.vlz", {{1, "B"}}));
        QCOMPARE(cell(w, 0, col::Description), QString("B"));

        editor.action("BTnew")->trigger();
        QSignalSpy unloading(&w, &MainWindow::unloading);
        editor.boxes.answers = {Answer::No, Answer::Yes};
        w.close();
        QVERIFY(w.isVisible());
        w.menuBar()->findChild<QAction*>("MNexit")->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(unloading.count(), 1);
        const Message asked =
            ScriptedBoxes::look(Icon::Exclamation, "Confirm Close", Buttons::YesNo);
        QCOMPARE(editor.boxes.looks(), (std::vector<Message>{asked, asked}));
    }
};

VELLORAN_GUI_TEST(MainWindowTest);
#include "main_window_test.moc"
