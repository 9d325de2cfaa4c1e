// Remove Items, Add Devices and Replace Device on the real main window: started from its
// buttons, menus and the table's DELETE key, FormDel and formReplace driven by object name.
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "editor_fixture.h"
#include "gui_test_main.h"
#include "maintenance/form_del.h"
#include "maintenance/form_replace.h"
#include "modal_script.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

const DetectedDevice kBoard{DeviceKind::Hid, 6, "BOARD-1", "Button Board", 0};

// "button text" of every row shown, the text from `column`.
QStringList shownRows(const MainWindow& w, int column = col::Description) {
    QStringList out;
    for (int r = 0; r < w.controls().listView3->model()->rowCount(); ++r)
        out << cell(w, r, 0) + " " + cell(w, r, column);
    return out;
}

QPushButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class WindowMaintenanceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    MainWindow& opened(const std::vector<FileRow>& rows) {
        return editor->shown(inventoryOf({kPad, kBoard}), editor->write("pads.vlz", rows));
    }

private slots:
    void init() { editor = std::make_unique<Editor>(); }
    void cleanup() { editor.reset(); }

    // Pad and board share button 2: only the pad's rows of button 2 are duplicates. DELETE
    // released in the table starts Remove Items.
    void removeItemsOffersEachDuplicateGroupInFormDel() {
        MainWindow& w =
            opened({{2, "a"}, {2, "B", &kBoard}, {2, "b"}, {2, "c"}, {3, "d"}, {3, "e"}});
        editor->boxes.answers = {Answer::Yes};
        ModalScript<FormDel> script({
            [&](FormDel* form) {
                auto* list = form->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
                QCOMPARE(list->topLevelItemCount(), 3);
                QCOMPARE(w.cursor().shape(), Qt::WaitCursor);  // the hourglass over the window
                const auto press = [list](int row, int column) {
                    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                };
                press(1, 2);  // outside the first column: nothing chosen
                QVERIFY(!button(form, "ComOK")->isEnabled());
                press(2, 0);
                button(form, "ComOK")->click();
            },
            [](FormDel* form) { form->reject(); },  // closed without a button: Skip
        });
        QTest::keyRelease(w.controls().listView3, Qt::Key_Delete);
        QVERIFY(script.done());
        QCOMPARE(shownRows(w), (QStringList{"2 B", "2 c", "3 d", "3 e"}));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(editor->action("BTsave")->isEnabled());  // the command states followed
    }

    void addDevicesAppendsANewDevice() {
        MainWindow& w = opened({{1, "one"}, {3, "three"}});
        editor->boxes.answers = {Answer::Yes};
        commandButton(w, "ComAdd")->click();
        QCOMPARE(cell(w, 6, col::DeviceId), QString("Button Board"));
        QVERIFY(editor->action("BTsave")->isEnabled());
    }

    // Pad and board share button 1: the board's row stays where it is.
    void replaceDeviceMovesTheRowsToTheDeviceChosenInFormReplace() {
        MainWindow& w = opened({{1, "a"}, {2, "b"}, {1, "c", &kBoard}});
        editor->boxes.answers = {Answer::Yes, Answer::Yes};
        ModalScript<FormReplace> script({
            [](FormReplace* form) {
                auto* combo = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
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
        QCOMPARE(editor->boxes.shown.back().title, std::string("Device Replaced"));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);  // the pointer is the default again

        // From the table's menu, cancelled in formReplace: no report.
        const std::size_t boxes = editor->boxes.shown.size();
        w.menus().tableMenu->findChild<QAction*>("MNswap")->trigger();
        QVERIFY(script.done());
        QCOMPARE(editor->boxes.shown.size(), boxes + 1);  // the question only
    }
};

VELLORAN_GUI_TEST(WindowMaintenanceTest);
#include "window_maintenance_test.moc"
