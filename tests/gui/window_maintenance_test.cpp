// Remove Items, Add Devices and Replace Device on the real main window: started from its
// buttons, menus and the table's DELETE key, FormDel and formReplace driven by object name.
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "editor_fixture.h"
#include "file_format/configuration_file.h"
#include "gui_test_main.h"
#include "maintenance/form_del.h"
#include "maintenance/form_replace.h"
#include "modal_script.h"
#include "table/default_rows.h"

using namespace velloran;
using namespace velloran::testing;
using velloran::testing::ModalScript;

namespace {

const DetectedDevice kPad{DeviceKind::Joystick, 4, "PAD-1", "Pad"};
const DetectedDevice kBoard{DeviceKind::Hid, 6, "BOARD-1", "Button Board", 0};

DeviceInventory inventory(const std::vector<DetectedDevice>& devices) {
    DeviceInventory out;
    for (const DetectedDevice& d : devices) out.add(d);
    return out;
}

struct Row {
    int button;
    const DetectedDevice* device;
    const char* description;
};

std::string writeConfiguration(const QTemporaryDir& dir, const std::vector<Row>& rows) {
    std::vector<MappingRow> table;
    for (const Row& r : rows) {
        table.push_back(defaultRow(ButtonEntry{r.button, r.device->displayName, r.device->identity},
                                   colour::ActiveRow));
        table.back().cell(col::Description).text = r.description;
    }
    const std::string path = dir.filePath(QStringLiteral("pads.vlz")).toStdString();
    std::ofstream(path, std::ios::binary) << serializeConfiguration(table);
    return path;
}

// "button description" of every row shown, or "button device" with `column` col::DeviceId.
QStringList shownRows(const MainWindow& w, int column = col::Description) {
    QStringList out;
    const int rows = w.controls().listView3->model()->rowCount();
    for (int r = 0; r < rows; ++r) out << cell(w, r, 0) + " " + cell(w, r, column);
    return out;
}

QAction* tableMenuItem(const MainWindow& w, const char* name) {
    return w.menus().tableMenu->findChild<QAction*>(QString::fromLatin1(name));
}

QPushButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

// A left press and release on a cell of FormDel's list.
void press(QTreeWidget* list, int row, int column) {
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class WindowMaintenanceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Editor> editor;

    // The window loaded with `devices` and the configuration of `rows` open, unchanged.
    MainWindow& opened(const std::vector<DetectedDevice>& devices, const std::vector<Row>& rows) {
        const std::string file = writeConfiguration(editor->dir, rows);
        MainWindow& w = editor->start(inventory(devices), file);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) qFatal("the main window was never shown");
        if (w.session().list.selected()->state != state::Unchanged) qFatal("not opened");
        editor->boxes.shown.clear();
        return w;
    }

    const Message& lastBox() const { return editor->boxes.shown.back(); }

private slots:
    void init() { editor = std::make_unique<testing::Editor>(); }
    void cleanup() { editor.reset(); }

    // Pad and board share button 2: only the pad's three rows of button 2 are duplicates.
    void removeItemsOffersEachDuplicateGroupInFormDel() {
        MainWindow& w = opened({kPad, kBoard}, {{1, &kPad, "one"},
                                                {2, &kPad, "two a"},
                                                {2, &kBoard, "board two"},
                                                {2, &kPad, "two b"},
                                                {7, &kPad, "gone"},
                                                {2, &kPad, "two c"},
                                                {3, &kPad, "three a"},
                                                {3, &kPad, "three b"}});
        // DELETE released in the table asks the same question; No leaves the table alone.
        editor->boxes.answers = {Answer::No};
        QTest::keyRelease(w.controls().listView3, Qt::Key_Delete);
        QCOMPARE(QString::fromStdString(lastBox().title), QString(kRemoveConfirmationTitle));
        QCOMPARE(lastBox().buttons, Buttons::YesNo);
        QCOMPARE(shownRows(w).size(), 8);

        editor->boxes.answers = {Answer::Yes};
        int offered = 0;
        ModalScript<FormDel> script({
            [&](FormDel* form) {
                auto* list = form->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
                QCOMPARE(list->topLevelItemCount(), 3);
                QCOMPARE(w.cursor().shape(), Qt::WaitCursor);  // the hourglass over the window
                ++offered;
                press(list, 1, 2);  // outside the first column: nothing chosen
                QVERIFY(!button(form, "ComOK")->isEnabled());
                press(list, 2, 0);
                QCOMPARE(list->topLevelItem(2)->checkState(0), Qt::Checked);
                button(form, "ComOK")->click();
            },
            [&](FormDel* form) {
                ++offered;
                form->reject();  // closed without a button: Skip
            },
        });
        commandButton(w, "ComDel")->click();

        QVERIFY(script.done());
        QCOMPARE(offered, 2);
        QCOMPARE(shownRows(w),
                 (QStringList{"1 one", "2 board two", "2 two c", "3 three a", "3 three b"}));
        QCOMPARE(QString::fromStdString(lastBox().title), QString("Items Removed"));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(editor->action("BTsave")->isEnabled());  // the command states followed
    }

    void addDevicesInsertsMissingButtonsAndAppendsANewDevice() {
        MainWindow& w = opened({kPad}, {{1, &kPad, "one"}, {3, &kPad, "three"}});
        const DetectedDevice stick{DeviceKind::Joystick, 3, "STICK-1",
                                   "Flight Stick With A Rather Long Product Name"};
        w.setDeviceDetection([stick] { return inventory({kPad, stick}); });
        editor->action("BTjoy")->trigger();
        editor->boxes.answers = {Answer::Yes};

        commandButton(w, "ComAdd")->click();

        QCOMPARE(shownRows(w).size(), 7);
        QCOMPARE(cell(w, 6, col::DeviceId), QString::fromStdString(stick.displayName));
        QCOMPARE(QString::fromStdString(lastBox().title), QString("List Updated"));
        QVERIFY(editor->action("BTsave")->isEnabled());

        // The columns are fitted again: the new device's name fits.
        MappingTableView& view = *w.controls().listView3;
        QTRY_VERIFY(
            view.columnWidth(col::DeviceId) >=
            view.fontMetrics().horizontalAdvance(QString::fromStdString(stick.displayName)));
    }

    // Pad and board share button 1: the board's row stays where it is.
    void replaceDeviceMovesTheRowsToTheDeviceChosenInFormReplace() {
        MainWindow& w =
            opened({kPad, kBoard}, {{1, &kPad, "a"}, {2, &kPad, "b"}, {1, &kBoard, "c"}});
        editor->boxes.answers = {Answer::Yes, Answer::Yes};
        ModalScript<FormReplace> script({
            [](FormReplace* form) {
                auto* combo = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
                QCOMPARE(combo->count(), 2);
                QCOMPARE(combo->itemText(1), QString("Button Board"));
                combo->setCurrentIndex(1);
                button(form, "ComOK")->click();
            },
            [](FormReplace* form) { button(form, "ComCancel")->click(); },
        });
        w.setCursor(Qt::WaitCursor);

        commandButton(w, "ComSwap")->click();

        QCOMPARE(shownRows(w, col::DeviceId),
                 (QStringList{"1 Button Board", "2 Button Board", "1 Button Board"}));
        QCOMPARE(QString::fromStdString(lastBox().title), QString("Device Replaced"));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);  // the pointer is the default again
        QVERIFY(editor->action("BTsave")->isEnabled());

        // From the table's menu, cancelled in formReplace: no report, nothing moves.
        const std::size_t boxes = editor->boxes.shown.size();
        tableMenuItem(w, "MNswap")->trigger();
        QVERIFY(script.done());
        QCOMPARE(editor->boxes.shown.size(), boxes + 1);  // the question only
        QCOMPARE(cell(w, 0, col::DeviceId), QString("Button Board"));
    }
};

VELLORAN_GUI_TEST(WindowMaintenanceTest);
#include "window_maintenance_test.moc"
