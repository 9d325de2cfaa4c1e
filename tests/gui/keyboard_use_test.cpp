// A newcomer's first minutes in the real window: the table driven from the keyboard, undo and
// redo, the Description editor over its cell after scrolling, and a first Save As on a fresh
// settings file and an empty data folder.
#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "gui_test_main.h"
#include "editor_fixture.h"

using namespace velloran;

class KeyboardUseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Editor> editor;
    MainWindow* w = nullptr;
    MappingTableView* view = nullptr;

    void key(int k, Qt::KeyboardModifiers held = {}) { QTest::keyClick(view, Qt::Key(k), held); }
    const MappingRow& row(int index) { return w->session().currentTable()->row(index); }
    QLineEdit* textEdit() { return editor->find<QLineEdit>("TextEdit"); }

private slots:
    void init() {
        editor = std::make_unique<testing::Editor>();
        w = &editor->start(testing::padInventory(3));
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keySequence(w, QKeySequence("Ctrl+N"));
        view = w->controls().listView3;
        QTRY_VERIFY(view->hasFocus());  // a new configuration's table takes the keyboard
    }
    void cleanup() { editor.reset(); }

    void theTableIsUsedFromTheKeyboardAndEditsAreUndone() {
        key(Qt::Key_Down);
        key(Qt::Key_Right, Qt::NoModifier);
        key(Qt::Key_Right);
        QCOMPARE(w->session().currentTable()->selected, 1);
        QCOMPARE(view->currentCell().column, int(col::Repeat));
        key(Qt::Key_Space);
        QVERIFY(row(1).flag(col::Repeat));
        for (int i = col::Repeat; i < col::Description; ++i) key(Qt::Key_Right);
        key(Qt::Key_F2);
        QVERIFY(textEdit()->isVisible());
        QTest::keyClicks(textEdit(), "lost");
        QTest::keyClick(textEdit(), Qt::Key_Escape);
        QVERIFY(!textEdit()->isVisible());
        QCOMPARE(row(1).cell(col::Description).text, std::string(" "));
        key(Qt::Key_Return);
        textEdit()->setText("Gear");
        QTest::keyClick(textEdit(), Qt::Key_Return);
        QCOMPARE(row(1).cell(col::Description).text, std::string("Gear"));
        key(Qt::Key_End);
        QCOMPARE(w->tableModel().stepHeaderImage(col::LastStep), 14);

        QTest::keySequence(w, QKeySequence("Ctrl+Z"));
        QCOMPARE(row(1).cell(col::Description).text, std::string(" "));
        QTest::keySequence(w, QKeySequence("Ctrl+Z"));
        QVERIFY(!row(1).flag(col::Repeat));
        QVERIFY(!w->menus().edit->actions().at(0)->isEnabled());
        QTest::keySequence(w, QKeySequence("Ctrl+Y"));
        QVERIFY(row(1).flag(col::Repeat));

        // Tab leaves the table for the command buttons; Shift+F10 opens the row's menu.
        view->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("ComRec"));
        view->setFocus();
        key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(w->menus().tableMenu->isVisible());
    }

    void theDescriptionEditorStaysOverItsCellWhenTheTableScrolls() {
        key(Qt::Key_Down);
        for (int i = 0; i < col::Description; ++i) key(Qt::Key_Right);
        key(Qt::Key_Return);
        const auto offset = [&] {
            const QRect cell = view->cellRect(1, col::Description);
            return textEdit()->geometry().topLeft() - view->mapTo(view->parentWidget(), cell.topLeft());
        };
        QTRY_COMPARE(offset(), QPoint(-3, -3));  // 50 twips at 96 dpi
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        QVERIFY(view->horizontalScrollBar()->value() > 0);
        QCOMPARE(offset(), QPoint(-3, -3));
    }

    void aFirstSaveAsLandsInTheNewConfigurationFolderWithItsExtension() {
        QVERIFY(QDir(QString::fromStdString(editor->configFolder())).exists());
        editor->dialogs.answers = {editor->configFolder() + "pads"};
        QTest::keySequence(w, QKeySequence("Ctrl+Shift+S"));
        QVERIFY(editor->boxes.shown.empty());
        QVERIFY(QFile::exists(QString::fromStdString(editor->configFolder() + "pads.vlz")));
        QCOMPARE(w->session().list.selected()->text, std::string("pads.vlz"));
    }
};

VELLORAN_GUI_TEST(KeyboardUseTest);
#include "keyboard_use_test.moc"
