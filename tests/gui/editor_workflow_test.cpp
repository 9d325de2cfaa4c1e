// The editor as a user drives it: configurations created, edited in the table with the mouse,
// saved, closed, reopened, switched, dropped, run and handed over by a second start. Every
// check reads the widgets by object name, the file through the core's reader.
#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "file_format/configuration_file.h"
#include "table/default_rows.h"
#include "editor_fixture.h"

using namespace velloran;

namespace {

QString cell(const MainWindow& w, int row, int column) {
    return w.controls().listView3->model()->index(row, column).data().toString();
}

QPoint cellCentre(const MainWindow& w, int row, int column) {
    const MappingTableView& view = *w.controls().listView3;
    return view.visualRect(view.model()->index(row, column)).center();
}

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

void clickCell(MainWindow& w, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.controls().listView3->viewport(), button, {}, cellCentre(w, row, column));
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
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), QString("New Config.vlz"));
        QCOMPARE(list.item(0)->foreground().color(), QColor(255, 0, 0));  // current: red
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.tabText(0), QString("New Config.vlz"));
        QVERIFY(tabs.isEnabled());
        QCOMPARE(w.controls().listView3->model()->rowCount(), 2);
        QVERIFY(w.controls().listView3->isEnabled());

        doubleClickCell(w, 0, col::Repeat);
        QCOMPARE(cell(w, 0, col::Repeat), QString("On"));
        doubleClickCell(w, 1, col::Multiplier);
        doubleClickCell(w, 1, col::Multiplier);
        QCOMPARE(cell(w, 1, col::Multiplier), QString("4X"));
        doubleClickCell(w, 1, col::DeviceId);  // changes nothing
        QCOMPARE(cell(w, 1, col::DeviceId), QString("Pad"));
        QCOMPARE(w.session().list.selected()->state, state::New);  // never saved stays 2

        clickCell(w, 0, col::Description);
        QLineEdit& textEdit = *editor->find<QLineEdit>("TextEdit");
        QVERIFY(textEdit.isVisible());
        QVERIFY(editor->find<QWidget>("ShadowBox")->isVisible());
        textEdit.selectAll();
        QTest::keyClicks(&textEdit, "Gear \"up\"");
        QTest::keyClick(&textEdit, Qt::Key_Return);
        QVERIFY(!textEdit.isVisible());
        QCOMPARE(cell(w, 0, col::Description), QString("Gear 'up'"));

        const std::string file = tempPath("gear.vlz");
        editor->dialogs.answers = {file};
        editor->action("BTsaveas")->trigger();
        QCOMPARE(editor->dialogs.asked.back().title, std::string("Save Configuration File"));
        QCOMPARE(list.item(0)->text(), QString("gear.vlz"));
        QCOMPARE(tabs.tabText(0), QString("gear.vlz"));
        QVERIFY(!editor->action("BTsave")->isEnabled());  // saved: nothing to save

        const LoadedConfiguration saved =
            loadConfiguration(editor->files, file, testing::padInventory());
        QVERIFY(!saved.failure);
        QCOMPARE(saved.rows.size(), std::size_t(2));
        QVERIFY(saved.rows[0].flag(col::Repeat));
        QVERIFY(!saved.rows[1].flag(col::Repeat));
        QCOMPARE(saved.rows[1].cell(col::Multiplier).text, std::string("4X"));
        QCOMPARE(saved.rows[0].cell(col::Description).text, std::string("Gear 'up'"));

        editor->action("BTclose")->trigger();
        QVERIFY(editor->boxes.shown.empty());  // unchanged: no question
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.key(0), QString("BLANK"));
        QVERIFY(ConfigurationListWidget::ghosted(*list.item(0)));
        QCOMPARE(list.item(0)->foreground().color(), QColor(128, 128, 128));
        QVERIFY(!w.controls().listView3->isEnabled());
        QVERIFY(!editor->find<QAbstractButton>("ComRec")->isEnabled());

        doubleClick(list.viewport(), itemCentre(w, "file1"));
        QCOMPARE(tabs.tabText(0), QString("gear.vlz"));
        QVERIFY(!ConfigurationListWidget::ghosted(*list.item(0)));
        QCOMPARE(cell(w, 0, col::Repeat), QString("On"));
        QCOMPARE(cell(w, 1, col::Multiplier), QString("4X"));
        QCOMPARE(cell(w, 0, col::Description), QString("Gear 'up'"));
        QCOMPARE(w.session().list.selected()->state, state::Unchanged);
    }

    void editsMarkTheConfigurationChanged() {
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("pad.vlz"), {"A", "B"}));
        QCOMPARE(w.session().list.selected()->state, state::Unchanged);
        QVERIFY(!editor->action("BTsave")->isEnabled());
        QVERIFY(editor->action("BTrun")->isEnabled());

        doubleClickCell(w, 1, col::ScrollLock);
        QCOMPARE(cell(w, 1, col::ScrollLock), QString("On"));
        QCOMPARE(w.session().list.selected()->state, state::Changed);
        QVERIFY(editor->action("BTsave")->isEnabled());
        QVERIFY(!editor->action("BTrun")->isEnabled());

        // Save writes the file in place, without a dialog.
        QTest::keySequence(&w, QKeySequence("Ctrl+S"));
        QVERIFY(editor->dialogs.asked.empty());
        QCOMPARE(w.session().list.selected()->state, state::Unchanged);
        const LoadedConfiguration saved =
            loadConfiguration(editor->files, tempPath("pad.vlz"), testing::padInventory());
        QVERIFY(saved.rows.at(1).flag(col::ScrollLock));
    }

    void stepCellsAndRowsAreCleared() {
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("pad.vlz"), {"A", "B"}));
        MappingTable& table = *w.session().currentTable();
        table.row(0).cell(col::FirstPress + 2) = {"CTRL + A", Tag::text("29,30")};
        table.row(0).cell(col::FirstPress + 3) = {"B", Tag::text("48")};
        w.tableModel().follow();

        clickCell(w, 0, col::FirstPress + 2);
        QCOMPARE(table.selected, 0);
        QCOMPARE(table.row(0).colour, colour::SelectedRow);
        QCOMPARE(w.tableModel().stepHeaderImage(col::FirstPress + 2), 14);
        QCOMPARE(w.tableModel().stepHeaderImage(col::FirstPress), 12);
        QVERIFY(editor->find<QAbstractButton>("ComClearItem")->isEnabled());
        editor->find<QAbstractButton>("ComClearItem")->click();
        QCOMPARE(cell(w, 0, col::FirstPress + 2), QString());
        QCOMPARE(cell(w, 0, col::FirstPress + 3), QString("B"));
        QCOMPARE(w.session().list.selected()->state, state::Changed);

        w.menus().tableMenu->findChild<QAction*>("MNClear")->trigger();
        QCOMPARE(cell(w, 0, col::FirstPress + 3), QString());
        QCOMPARE(cell(w, 0, col::Description), QString());
        QCOMPARE(cell(w, 1, col::Description), QString("B"));
    }

    void rightClicksOpenTheirMenus() {
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("pad.vlz"), {"A", "B"}));
        clickCell(w, 1, col::Rotary, Qt::RightButton);
        QTRY_VERIFY(w.menus().tableMenu->isVisible());
        QCOMPARE(w.session().currentTable()->selected, 1);
        w.menus().tableMenu->hide();

        ConfigurationListWidget& list = *w.controls().listView1;
        w.session().statusPanel1.clear();
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, itemCentre(w, "file1"));
        QTRY_VERIFY(w.menus().listMenu->isVisible());
        QCOMPARE(w.controls().statusBar1->panelText(1),
                 QString::fromStdString(tempPath("pad.vlz")));
        w.menus().listMenu->hide();
    }

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
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(col::DeviceId) + 5, 5));
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Alpha"));
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(col::Repeat) + 5, 5));
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Alpha"));
    }

    void tabsSwitchTheShownTable() {
        MainWindow& w = shown();
        writeConfiguration(tempPath("one.vlz"), {"first"});
        writeConfiguration(tempPath("two.vlz"), {"second", "more"});
        editor->dialogs.answers = {tempPath("one.vlz"), tempPath("two.vlz")};
        editor->action("BTload")->trigger();
        editor->action("BTload")->trigger();
        TabStripWidget& tabs = *w.controls().tabStrip1;
        QCOMPARE(tabs.tabText(0), QString("two.vlz"));
        QCOMPARE(cell(w, 0, col::Description), QString("second"));

        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
        QCOMPARE(w.controls().listView3->model()->rowCount(), 1);
        QCOMPARE(cell(w, 0, col::Description), QString("first"));
        QCOMPARE(w.controls().listView1->selectedItems().value(0)->text(), QString("one.vlz"));
        QCOMPARE(w.controls().statusBar1->panelText(1),
                 QString::fromStdString(tempPath("one.vlz")));
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
        QCOMPARE(w.controls().tabStrip1->tabText(0), QString("a.vlz"));
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
        MainWindow& w =
            shown(testing::padInventory(), writeConfiguration(tempPath("saved.vlz"), {"A"}));
        editor->action("BTnew")->trigger();
        QSignalSpy unloading(&w, &MainWindow::unloading);
        editor->boxes.answers = {Answer::No};
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(editor->boxes.shown.size(), std::size_t(1));
        QCOMPARE(editor->boxes.shown[0],
                 (Message{Icon::Exclamation, "Confirm Close",
                          "Are you sure you want to quit without saving?", Buttons::YesNo}));
        QCOMPARE(unloading.count(), 0);

        editor->boxes.answers = {Answer::Yes};
        w.menuBar()->findChild<QAction*>("MNexit")->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(unloading.count(), 1);
    }

    void theListOutlivesTheWindow() {
        shown();
        editor->dialogs.answers = {writeConfiguration(tempPath("kept.vlz"), {"A"})};
        editor->action("BTload")->trigger();

        // The next start lists the file from the settings file, closed.
        editor->window.reset();
        MainWindow& again = editor->start();
        const ConfigurationListWidget& list = *again.controls().listView1;
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), QString("kept.vlz"));
        QVERIFY(ConfigurationListWidget::ghosted(*list.item(0)));
        QCOMPARE(again.controls().tabStrip1->key(0), QString("BLANK"));
        QVERIFY(editor->action("BTopen")->isEnabled());
    }
};

QTEST_MAIN(EditorWorkflowTest)
#include "editor_workflow_test.moc"
