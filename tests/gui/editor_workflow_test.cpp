// The document commands as a user drives them in the window, with the mouse and the keyboard:
// configurations created, edited, undone, saved, closed, reopened, switched, dropped, run,
// handed over and closed.
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "editor_fixture.h"
#include "gui_test_main.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

// A double click as the window system delivers it (QTest's alone is the double-click event).
void doubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

QPoint itemCentre(const MainWindow& w, const char* key) {
    const ConfigurationListWidget& list = *w.controls().listView1;
    return list.visualItemRect(list.itemByKey(key)).center();
}

}  // namespace

class EditorWorkflowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    QLineEdit& textEdit() { return *editor->window->findChild<QLineEdit*>("TextEdit"); }

private slots:
    void init() { editor = std::make_unique<Editor>(); }
    void cleanup() { editor.reset(); }

    void createEditSaveCloseAndReopen() {
        MainWindow& w = editor->shown();
        editor->action("BTnew")->trigger();
        doubleClick(w.controls().listView3->viewport(), cellCentre(w, 0, col::Repeat));
        QCOMPARE(cell(w, 0, col::Repeat), QString("On"));
        clickCell(w, 0, col::Description);
        textEdit().selectAll();
        QTest::keyClicks(&textEdit(), "Gear \"up\"");
        QTest::keyClick(&textEdit(), Qt::Key_Return);
        editor->dialogs.answers = {editor->temp("gear.vlz")};
        editor->action("BTsaveas")->trigger();
        editor->action("BTclose")->trigger();
        QCOMPARE(w.controls().tabStrip1->key(0), QString("BLANK"));
        doubleClick(w.controls().listView1->viewport(), itemCentre(w, "file1"));
        QCOMPARE(w.controls().tabStrip1->tabText(0), QString("gear.vlz"));
        QCOMPARE(cell(w, 0, col::Repeat), QString("On"));
        QCOMPARE(cell(w, 0, col::Description), QString("Gear 'up'"));
    }

    void theTableIsUsedFromTheKeyboardAndEditsAreUndone() {
        MainWindow& w = editor->shown(padInventory(3));
        QTest::keySequence(&w, QKeySequence("Ctrl+N"));
        MappingTableView* view = w.controls().listView3;
        QTRY_VERIFY(view->hasFocus());  // a new configuration's table takes the keyboard
        const auto keys = [view](std::vector<int> ks, Qt::KeyboardModifiers held = {}) {
            for (int k : ks) QTest::keyClick(view, Qt::Key(k), held);
        };
        const auto row = [&w] { return w.session().currentTable()->row(1); };
        keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(row().flag(col::Repeat));
        for (int i = col::Repeat; i < col::Description; ++i) keys({Qt::Key_Right});
        keys({Qt::Key_F2});
        // The Description editor stays over its cell when the table scrolls.
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        QVERIFY(view->horizontalScrollBar()->value() > 0);
        QTRY_COMPARE(
            textEdit().geometry().topLeft(),
            view->mapTo(view->parentWidget(), view->cellRect(1, col::Description).topLeft()) -
                QPoint(3, 3));  // 50 twips at 96 dpi
        QTest::keyClicks(&textEdit(), "lost");
        QTest::keyClick(&textEdit(), Qt::Key_Escape);
        QVERIFY(!textEdit().isVisible());
        QCOMPARE(row().cell(col::Description).text, std::string(" "));
        keys({Qt::Key_Return});
        textEdit().setText("Gear");
        QTest::keyClick(&textEdit(), Qt::Key_Return);
        QCOMPARE(row().cell(col::Description).text, std::string("Gear"));
        QTest::keySequence(&w, QKeySequence("Ctrl+Z"));
        QTest::keySequence(&w, QKeySequence("Ctrl+Z"));
        QVERIFY(!row().flag(col::Repeat));
        QTest::keySequence(&w, QKeySequence("Ctrl+Y"));
        QVERIFY(row().flag(col::Repeat));
        // Tab leaves the table for the command buttons; Shift+F10 opens the row's menu.
        view->setFocus();
        keys({Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("ComRec"));
        view->setFocus();
        keys({Qt::Key_F10}, Qt::ShiftModifier);
        QTRY_VERIFY(w.menus().tableMenu->isVisible());
    }

    // Two devices whose rows share button 1: the device column's header sorts them. Clear
    // Selected Item and right clicks reach their commands; tabs switch the table.
    void sortClearMenusAndTabs() {
        const DetectedDevice alpha{DeviceKind::Joystick, 1, "ALPHA", "Alpha"};
        const DetectedDevice beta{DeviceKind::Joystick, 1, "BETA", "Beta"};
        MainWindow& w = editor->shown(inventoryOf({alpha, beta}),
                                      editor->write("one.vlz", {{1, "first", &alpha}}));
        editor->dialogs.answers = {editor->write("two.vlz", {{1, "a", &alpha}, {1, "b", &beta}})};
        editor->action("BTload")->trigger();
        QHeaderView& header = *w.controls().listView3->horizontalHeader();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(col::DeviceId) + 5, 5));
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Beta"));

        MappingTable& table = *w.session().currentTable();
        table.row(0).cell(col::FirstPress + 2) = {"CTRL + A", Tag::text("29,30")};
        table.row(0).cell(col::FirstPress + 3) = {"B", Tag::text("48")};
        w.tableModel().follow();
        clickCell(w, 0, col::FirstPress + 2);
        commandButton(w, "ComClearItem")->click();
        QCOMPARE(cell(w, 0, col::FirstPress + 2), QString());
        QCOMPARE(cell(w, 0, col::FirstPress + 3), QString("B"));

        clickCell(w, 1, col::Rotary, Qt::RightButton);
        QTRY_VERIFY(w.menus().tableMenu->isVisible());
        QCOMPARE(table.selected, 1);
        w.menus().tableMenu->hide();
        QTest::mouseClick(w.controls().listView1->viewport(), Qt::RightButton, {},
                          itemCentre(w, "file1"));
        QTRY_VERIFY(w.menus().listMenu->isVisible());
        w.menus().listMenu->hide();

        TabStripWidget& tabs = *w.controls().tabStrip1;
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(cell(w, 0, col::Description), QString("first"));
        QCOMPARE(w.controls().listView1->selectedItems().value(0)->text(), QString("one.vlz"));
    }

    void droppedFilesLoadTheFirstButNotOnTheListWhileTesting() {
        MainWindow& w = editor->shown();
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(QString::fromStdString(editor->write("a.vlz", {{1, "A"}}))),
             QUrl::fromLocalFile(QString::fromStdString(editor->write("b.vlz", {{1, "B"}})))});
        // A drop reaches the widget that accepted the drag's entry: here the window, whichever
        // child the files are over.
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
        QCOMPARE(w.controls().listView1->count(), 0);
        w.session().testing = false;
        QVERIFY(dropOn(w.controls().listView3->viewport()));
        QCOMPARE(w.controls().listView1->count(), 1);
        QCOMPARE(cell(w, 0, col::Description), QString("A"));
    }

    void runHandOverAndCloseWhenTheUserAgrees() {
        MainWindow& w = editor->shown(padInventory(), editor->write("my pad.vlz", {{1, "A"}}));
        editor->action("BTrun")->trigger();
        QCOMPARE(editor->launcher.starts.size(), std::size_t(1));
        QTRY_VERIFY(w.isMinimized());
        w.secondStart(editor->write("other.vlz", {{1, "B"}}));
        QTRY_VERIFY(!w.isMinimized());
        QCOMPARE(w.controls().tabStrip1->tabText(0), QString("other.vlz"));

        editor->action("BTnew")->trigger();
        QSignalSpy unloading(&w, &MainWindow::unloading);
        editor->boxes.answers = {Answer::No};
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(unloading.count(), 0);
        const Message& asked = editor->boxes.shown.at(0);
        QCOMPARE(asked.icon, Icon::Exclamation);
        QCOMPARE(asked.title, std::string("Confirm Close"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
        editor->boxes.answers = {Answer::Yes};
        w.menuBar()->findChild<QAction*>("MNexit")->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(unloading.count(), 1);
        QCOMPARE(editor->boxes.shown.size(), std::size_t(2));  // one question each time
    }
};

VELLORAN_GUI_TEST(EditorWorkflowTest);
#include "editor_workflow_test.moc"
