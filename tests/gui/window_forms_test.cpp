// The commands of the real main window that open its forms, driven by object name: Remove
// Items (FormDel) from the table's DELETE key, Add Devices, Replace Device (formReplace) from
// their buttons, and Options.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "editor_fixture.h"
#include "gui_test_main.h"
#include "maintenance/form_del.h"
#include "maintenance/form_replace.h"
#include "modal_script.h"
#include "settings/preferences_dialog.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

const DetectedDevice kBoard{DeviceKind::Hid, 6, "BOARD-1", "Button Board", 0};

// "button text" of every row shown, the text from `column`.
QStringList shownRows(const MainWindow& w, int column) {
    QStringList out;
    for (int r = 0; r < w.controls().listView3->model()->rowCount(); ++r)
        out << cell(w, r, 0) + " " + cell(w, r, column);
    return out;
}

void click(QWidget* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

}  // namespace

class WindowFormsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    MainWindow& opened(const std::vector<FileRow>& rows) {
        return editor->shown(inventoryOf({kPad, kBoard}), editor->write("pads.vlz", rows));
    }

private slots:
    // Every question of these commands goes on with the command.
    void init() {
        editor = std::make_unique<Editor>();
        editor->boxes.whenEmpty = Answer::Yes;
    }
    void cleanup() { editor.reset(); }

    // Pad and board share button 2: only the pad's rows of button 2 are duplicates. DELETE
    // released in the table starts Remove Items; closing FormDel without a button skips.
    void removeItemsKeepsTheRowChosenInFormDel() {
        MainWindow& w =
            opened({{2, "a"}, {2, "B", &kBoard}, {2, "b"}, {2, "c"}, {3, "d"}, {3, "e"}});
        ModalScript<FormDel> script({
            [](FormDel* form) {
                auto* list = form->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->model()->index(2, 0)).center());
                click(form, "ComOK");
            },
            [](FormDel* form) { form->reject(); },
        });
        QTest::keyRelease(w.controls().listView3, Qt::Key_Delete);
        QVERIFY(script.done());
        QCOMPARE(shownRows(w, col::Description), (QStringList{"2 B", "2 c", "3 d", "3 e"}));
    }

    void addDevicesAppendsANewDevice() {
        MainWindow& w = opened({{1, "one"}, {3, "three"}});
        commandButton(w, "ComAdd")->click();
        QCOMPARE(cell(w, 6, col::DeviceId), QString("Button Board"));
    }

    // Pad and board share button 1: the board's row stays where it is.
    void replaceDeviceMovesTheRowsToTheDeviceChosenInFormReplace() {
        MainWindow& w = opened({{1, "a"}, {2, "b"}, {1, "c", &kBoard}});
        ModalScript<FormReplace> script({[](FormReplace* form) {
            form->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
            click(form, "ComOK");
        }});
        commandButton(w, "ComSwap")->click();
        QVERIFY(script.done());
        QCOMPARE(shownRows(w, col::DeviceId),
                 (QStringList{"1 Button Board", "2 Button Board", "1 Button Board"}));
    }

    void optionsPutTheTimingsInForce() {
        MainWindow& w = editor->shown();
        ModalScript<PreferencesDialog> script({[](PreferencesDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("TextRepeat"))->setText("100");
            dialog->findChild<QLineEdit*>(QStringLiteral("TextHold"))->setText("20");
            dialog->findChild<QCheckBox*>(QStringLiteral("Check3"))->click();  // edited
            click(dialog, "cmdOK");
        }});
        w.menuBar()->findChild<QAction*>("MNoptions")->trigger();
        QVERIFY(script.done());
        QCOMPARE(w.engineTimings(), (EngineTimings{0.1, 0.035, 20}));
    }
};

VELLORAN_GUI_TEST(WindowFormsTest);
#include "window_forms_test.moc"
