// FormDel and formReplace shown by the list-maintenance commands, driven by object name.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "base/ole_colour.h"
#include "table/default_rows.h"
#include "fakes.h"
#include "maintenance/form_del.h"
#include "maintenance/form_replace.h"
#include "maintenance/qt_maintenance_choosers.h"
#include "modal_script.h"

using namespace velloran;
using velloran::testing::ModalScript;

namespace {

// A session with "file1" open in the selected tab.
struct Desk {
    EditorSession session;
    testing::FakeMessageBoxes boxes;
    MappingTable* table;

    Desk() {
        session.list.add(
            ListEntry{"file1", "a.vlz", state::Unchanged, false, listcolour::Current, ""});
        session.tabs.dropPlaceholder();
        session.tabs.insertFront(Tab{"file1", "a.vlz"});
        session.tabs.select("file1");
        session.currentKey = "file1";
        table = &session.tables.getOrCreate("file1");
        session.devices.add(DetectedDevice{DeviceKind::Joystick, 8, "PAD", "Game Pad"});
        session.devices.add(DetectedDevice{DeviceKind::Hid, 4, "hid:board", "Button Board", 0});
    }
    void row(int button, const char* identity, const char* description) {
        MappingRow r = defaultRow(ButtonEntry{button, "Game Pad", identity}, colour::ActiveRow);
        r.cell(col::Description).text = description;
        table->append(r);
    }
    QStringList descriptions() const {
        QStringList out;
        for (const MappingRow& r : table->rows()) {
            out << QString::fromStdString(r.text + " " + r.cell(col::Description).text);
        }
        return out;
    }
};

QTreeWidget* listOf(FormDel* form) {
    return form->findChild<QTreeWidget*>("ListView1");
}

// A left press on the cell of the list.
void press(QTreeWidget* list, int row, int column) {
    const QRect cell = list->visualRect(list->model()->index(row, column));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, cell.center());
}

QPushButton* button(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(name);
}

}  // namespace

class MaintenanceDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void formDelKeepsTheRowChosenInItsFirstColumn() {
        Desk d;
        d.row(5, "PAD", "first");
        d.row(5, "pad", "second");
        d.row(2, "PAD", "two");
        d.row(5, "Pad", "third");
        d.row(3, "PAD", "three a");
        d.row(3, "PAD", "three b");
        d.boxes.answers = {Answer::Yes};

        bool looked = false;
        ModalScript<FormDel> script({
            [&](FormDel* form) {
                QCOMPARE(form->windowTitle(), QString("Select Item"));
                QCOMPARE(form->findChild<QGroupBox*>("Frame1")->title(),
                         QString("Duplicate Items"));
                QCOMPARE(form->findChild<QLabel*>("Label1")->text(),
                         QString("Select item you wish to keep."));
                QTreeWidget* list = listOf(form);
                QCOMPARE(list->headerItem()->text(0), QString("Button No."));
                QCOMPARE(list->headerItem()->text(5), QString("Description"));
                QCOMPARE(list->columnCount(), 6);
                QCOMPARE(list->topLevelItemCount(), 3);
                QCOMPARE(list->topLevelItem(1)->text(1), QString("Game Pad"));
                QCOMPARE(list->topLevelItem(2)->text(5), QString("third"));
                QCOMPARE(button(form, "ComOK")->text(), QString("&OK"));
                QCOMPARE(button(form, "ComSkip")->text(), QString("&Skip"));
                QCOMPARE(button(form, "ComSkipAll")->text(), QString("Skip &All"));
                QVERIFY(!button(form, "ComOK")->isEnabled());

                press(list, 1, 2);  // outside the first column: nothing chosen
                QVERIFY(!button(form, "ComOK")->isEnabled());
                press(list, 0, 0);
                press(list, 1, 0);
                QVERIFY(button(form, "ComOK")->isEnabled());
                for (int i = 0; i < 3; ++i) {
                    const bool kept = i == 1;
                    QTreeWidgetItem* item = list->topLevelItem(i);
                    QCOMPARE(item->checkState(0), kept ? Qt::Checked : Qt::Unchecked);
                    QCOMPARE(item->background(3).color(),
                             oleColour(kept ? colour::SelectedRow : colour::ActiveRow));
                }
                looked = true;
                button(form, "ComOK")->click();
            },
            [](FormDel* form) { form->reject(); },  // closed without a button: Skip
        });
        QtDuplicateChooser chooser(nullptr);
        Del_Devices(d.session, d.boxes, chooser);

        QVERIFY(looked);
        QVERIFY(script.done());
        QCOMPARE(d.descriptions(), (QStringList{"5 second", "2 two", "3 three a", "3 three b"}));
        QCOMPARE(QString::fromStdString(d.boxes.shown.back().text),
                 QString("0 inactive item(s) removed.\r\n2 duplicate item(s) removed."));
    }

    void formDelSkipAllEndsTheSearch() {
        Desk d;
        d.row(1, "PAD", "a");
        d.row(1, "PAD", "b");
        d.row(2, "PAD", "c");
        d.row(2, "PAD", "d");
        d.boxes.answers = {Answer::Yes};
        ModalScript<FormDel> script({[](FormDel* form) { button(form, "ComSkipAll")->click(); }});
        QtDuplicateChooser chooser(nullptr);
        Del_Devices(d.session, d.boxes, chooser);
        QVERIFY(script.done());
        QCOMPARE(d.descriptions().size(), 4);
    }

    void formReplaceOffersTheDevicesAndMovesTheRows() {
        Desk d;
        d.row(1, "PAD", "a");
        d.row(2, "pad", "b");
        d.boxes.answers = {Answer::Yes, Answer::Yes};
        ModalScript<FormReplace> script({
            [](FormReplace* form) {
                QCOMPARE(form->windowTitle(), QString("Replace Device"));
                QCOMPARE(form->findChild<QGroupBox*>("Frame1")->title(),
                         QString("Select Input Device"));
                QCOMPARE(form->findChild<QLabel*>("Label1")->text(),
                         QString("Replace selected device with:"));
                auto* combo = form->findChild<QComboBox*>("Combo1");
                QCOMPARE(combo->count(), 2);
                QCOMPARE(combo->itemText(0), QString("Game Pad"));
                QCOMPARE(combo->itemText(1), QString("Button Board"));
                QCOMPARE(combo->currentIndex(), 0);
                QCOMPARE(button(form, "ComCancel")->text(), QString("&Cancel"));
                combo->setCurrentIndex(1);
                button(form, "ComOK")->click();
            },
            [](FormReplace* form) { button(form, "ComCancel")->click(); },
        });
        QtDeviceChooser chooser(nullptr);
        Swap_Devices(d.session, d.boxes, chooser);
        QCOMPARE(QString::fromStdString(d.table->row(0).cell(col::DeviceId).text),
                 QString("Button Board"));
        QCOMPARE(QString::fromStdString(d.table->row(0).cell(col::DeviceId).tag.toText()),
                 QString("hid:board"));
        QCOMPARE(QString::fromStdString(d.table->row(1).cell(col::DeviceId).tag.toText()),
                 QString("pad"));
        QCOMPARE(QString::fromStdString(d.boxes.shown.back().text), QString("1 item(s) replaced."));

        const std::size_t shown = d.boxes.shown.size();
        Swap_Devices(d.session, d.boxes, chooser);
        QVERIFY(script.done());
        QCOMPARE(d.boxes.shown.size(), shown + 1);  // the question; no report after Cancel
        QCOMPARE(QString::fromStdString(d.table->row(0).cell(col::DeviceId).tag.toText()),
                 QString("hid:board"));
    }
};

QTEST_MAIN(MaintenanceDialogsTest)
#include "maintenance_dialogs_test.moc"
