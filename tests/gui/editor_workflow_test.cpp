// The editor as a user drives it: configurations created, edited in the table with the mouse,
// saved, closed, reopened, switched, dropped, run and handed over by a second start.
#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "editor_fixture.h"
#include "file_format/configuration_file.h"
#include "gui_test_main.h"
#include "table/default_rows.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

// A double click as the window system delivers it: press, release, press, double click,
// release. (QTest's own double click on a widget is the double-click event alone.)
void doubleClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

void doubleClickCell(MainWindow& w, int row, int column) {
    doubleClick(w.controls().listView3->viewport(), cellCentre(w, row, column));
}

QPoint itemCentre(const MainWindow& w, const char* key) {
    const ConfigurationListWidget& list = *w.controls().listView1;
    return list.visualItemRect(list.itemByKey(key)).center();
}

// A configuration file of the pad's buttons 1..n with these descriptions.
std::string writeConfiguration(const std::string& path, const std::vector<std::string>& texts) {
    const DeviceInventory pad = testing::padInventory(static_cast<int>(texts.size()));
    std::vector<MappingRow> rows;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        rows.push_back(defaultRow(pad.buttons[i], colour::ActiveRow));
        rows.back().cell(col::Description).text = texts[i];
    }
    std::ofstream(path, std::ios::binary) << serializeConfiguration(rows);
    return path;
}

}  // namespace

class EditorWorkflowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Editor> editor;

    MainWindow& shown(DeviceInventory devices = testing::padInventory(),
                      std::string_view commandLine = {}) {
        MainWindow& w = editor->start(std::move(devices), commandLine);
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w)) qFatal("the main window never became active");
        return w;
    }

    std::string tempPath(const char* name) const {
        return editor->dir.filePath(QString::fromLatin1(name)).toStdString();
    }

private slots:
    void init() { editor = std::make_unique<testing::Editor>(); }
    void cleanup() { editor.reset(); }

    void createEditSaveCloseAndReopen() {
        MainWindow& w = shown();
        editor->action("BTnew")->trigger();
        ConfigurationListWidget& list = *editor->find<ConfigurationListWidget>("ListView1");
        TabStripWidget& tabs = *editor->find<TabStripWidget>("TabStrip1");
        QCOMPARE(list.item(0)->text(), QString("New Config.vlz"));
        QCOMPARE(tabs.tabText(0), QString("New Config.vlz"));
        QCOMPARE(w.controls().listView3->model()->rowCount(), 2);

        doubleClickCell(w, 0, col::Repeat);
        QCOMPARE(cell(w, 0, col::Repeat), QString("On"));
        doubleClickCell(w, 1, col::Multiplier);
        QCOMPARE(cell(w, 1, col::Multiplier), QString("2X"));

        clickCell(w, 0, col::Description);
        QLineEdit& textEdit = *editor->find<QLineEdit>("TextEdit");
        QVERIFY(textEdit.isVisible());
        textEdit.selectAll();
        QTest::keyClicks(&textEdit, "Gear \"up\"");
        QTest::keyClick(&textEdit, Qt::Key_Return);
        QVERIFY(!textEdit.isVisible());
        QCOMPARE(cell(w, 0, col::Description), QString("Gear 'up'"));

        const std::string file = tempPath("gear.vlz");
        editor->dialogs.answers = {file};
        editor->action("BTsaveas")->trigger();
        QCOMPARE(list.item(0)->text(), QString("gear.vlz"));
        QVERIFY(!editor->action("BTsave")->isEnabled());
        const LoadedConfiguration saved =
            loadConfiguration(editor->files, file, testing::padInventory());
        QVERIFY(!saved.failure);
        QVERIFY(saved.rows.at(0).flag(col::Repeat));
        QCOMPARE(saved.rows.at(0).cell(col::Description).text, std::string("Gear 'up'"));

        editor->action("BTclose")->trigger();
        QVERIFY(editor->boxes.shown.empty());  // unchanged: no question
        QCOMPARE(tabs.key(0), QString("BLANK"));
        QVERIFY(ConfigurationListWidget::ghosted(*list.item(0)));
        QVERIFY(!w.controls().listView3->isEnabled());

        doubleClick(list.viewport(), itemCentre(w, "file1"));
        QCOMPARE(tabs.tabText(0), QString("gear.vlz"));
        QCOMPARE(cell(w, 1, col::Multiplier), QString("2X"));
        QCOMPARE(w.session().list.selected()->state, state::Unchanged);

        // An edit makes Save write the file in place, without a dialog.
        doubleClickCell(w, 1, col::ScrollLock);
        QVERIFY(editor->action("BTsave")->isEnabled());
        QTest::keySequence(&w, QKeySequence("Ctrl+S"));
        QCOMPARE(editor->dialogs.saved.size(), std::size_t(1));
        QVERIFY(loadConfiguration(editor->files, file, testing::padInventory())
                    .rows.at(1)
                    .flag(col::ScrollLock));
    }

    void stepCellsAndRowsAreClearedAndRightClicksOpenMenus() {
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("pad.vlz"), {"A", "B"}));
        MappingTable& table = *w.session().currentTable();
        table.row(0).cell(col::FirstPress + 2) = {"CTRL + A", Tag::text("29,30")};
        table.row(0).cell(col::FirstPress + 3) = {"B", Tag::text("48")};
        w.tableModel().follow();

        clickCell(w, 0, col::FirstPress + 2);
        QCOMPARE(w.tableModel().stepHeaderImage(col::FirstPress + 2), 14);
        editor->find<QAbstractButton>("ComClearItem")->click();
        QCOMPARE(cell(w, 0, col::FirstPress + 2), QString());
        QCOMPARE(cell(w, 0, col::FirstPress + 3), QString("B"));
        QCOMPARE(w.session().list.selected()->state, state::Changed);

        w.menus().tableMenu->findChild<QAction*>("MNClear")->trigger();
        QCOMPARE(cell(w, 0, col::FirstPress + 3), QString());
        QCOMPARE(cell(w, 1, col::Description), QString("B"));

        // Right clicks open the table's and the list's menus.
        clickCell(w, 1, col::Rotary, Qt::RightButton);
        QTRY_VERIFY(w.menus().tableMenu->isVisible());
        QCOMPARE(w.session().currentTable()->selected, 1);
        w.menus().tableMenu->hide();

        ConfigurationListWidget& list = *w.controls().listView1;
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, itemCentre(w, "file1"));
        QTRY_VERIFY(w.menus().listMenu->isVisible());
        w.menus().listMenu->hide();
    }

    // Two devices whose rows share button 1: the device column sorts them.
    void headerClicksSortByDevice() {
        DeviceInventory two;
        two.add(DetectedDevice{DeviceKind::Joystick, 1, "ALPHA", "Alpha"});
        two.add(DetectedDevice{DeviceKind::Joystick, 1, "BETA", "Beta"});
        MainWindow& w = shown(two);
        editor->action("BTnew")->trigger();
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Alpha"));
        QHeaderView& header = *w.controls().listView3->horizontalHeader();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(col::DeviceId) + 5, 5));
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Beta"));
    }

    void tabsSwitchTheShownTable() {
        MainWindow& w = shown();
        writeConfiguration(tempPath("one.vlz"), {"first"});
        writeConfiguration(tempPath("two.vlz"), {"second", "more"});
        editor->dialogs.answers = {tempPath("one.vlz"), tempPath("two.vlz")};
        editor->action("BTload")->trigger();
        editor->action("BTload")->trigger();
        TabStripWidget& tabs = *w.controls().tabStrip1;
        QCOMPARE(cell(w, 0, col::Description), QString("second"));

        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(w.controls().listView3->model()->rowCount(), 1);
        QCOMPARE(cell(w, 0, col::Description), QString("first"));
        QCOMPARE(w.controls().listView1->selectedItems().value(0)->text(), QString("one.vlz"));
    }

    void droppedFilesLoadTheFirst() {
        MainWindow& w = shown();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(
                          writeConfiguration(tempPath("a.vlz"), {"dropped"}))),
                      QUrl::fromLocalFile(QString::fromStdString(
                          writeConfiguration(tempPath("b.vlz"), {"not loaded"})))});
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

        // The Configuration list takes no file while a test runs.
        w.session().testing = true;
        QVERIFY(dropOn(w.controls().listView1->viewport()));
        QCOMPARE(w.controls().listView1->count(), 0);
        w.session().testing = false;

        QVERIFY(dropOn(w.controls().listView3->viewport()));
        QCOMPARE(w.controls().listView1->count(), 1);
        QCOMPARE(cell(w, 0, col::Description), QString("dropped"));
    }

    void runStartsRunvaleBesideTheProgramAndMinimises() {
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("my pad.vlz"), {"A"}));
        editor->action("BTrun")->trigger();
        QCOMPARE(editor->launcher.starts.size(), std::size_t(1));
        const auto& start = editor->launcher.starts[0];
        QCOMPARE(start.program, std::string("runvale"));  // none beside the program here
        QCOMPARE(start.arguments, std::vector<std::string>{tempPath("my pad.vlz")});
        QCOMPARE(start.workingFolder, editor->paths().programFolder);
        QTRY_VERIFY(w.isMinimized());

        // A second start brings the window back and opens its file.
        w.secondStart(writeConfiguration(tempPath("other.vlz"), {"B"}));
        QTRY_VERIFY(!w.isMinimized());
        QCOMPARE(w.controls().tabStrip1->tabText(0), QString("other.vlz"));
    }

    void closingAsksOnceWhenSomethingIsUnsaved() {
        MainWindow& w = shown();
        editor->action("BTnew")->trigger();
        QSignalSpy unloading(&w, &MainWindow::unloading);
        editor->boxes.answers = {Answer::No};
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(editor->boxes.shown.size(), std::size_t(1));
        const Message& asked = editor->boxes.shown[0];
        QCOMPARE(asked.icon, Icon::Exclamation);
        QCOMPARE(asked.title, std::string("Confirm Close"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(unloading.count(), 0);

        editor->boxes.answers = {Answer::Yes};
        w.menuBar()->findChild<QAction*>("MNexit")->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(unloading.count(), 1);

        // The next start lists the file from the settings file, closed.
        editor->window.reset();
        editor->dialogs.answers = {writeConfiguration(tempPath("kept.vlz"), {"A"})};
        editor->start().menus().toolbar->findChild<QAction*>("BTload")->trigger();
        editor->window.reset();
        const ConfigurationListWidget& list = *editor->start().controls().listView1;
        const auto kept = list.findItems("kept.vlz", Qt::MatchExactly);
        QCOMPARE(kept.size(), 1);
        QVERIFY(ConfigurationListWidget::ghosted(*kept[0]));
    }
};

VELLORAN_GUI_TEST(EditorWorkflowTest);
#include "editor_workflow_test.moc"
