// Record mode of the real main window: ComRec with the keyboard guard, Qt key events given to the
// window as the system would deliver them, the recorded Key steps read back from the table, the
// blocked combinations in the feedback line and the row's lock keys on the key output.
#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <bit>

#include "editing/table_events.h"
#include "gui_test_main.h"
#include "keys/key_names.h"
#include "live_editor.h"

using namespace velloran;
using namespace velloran::testing;
using velloran::testing::LiveEditor;

namespace {

constexpr int kSpareRow = 1;  // "Spare", whose steps are all empty in the fixture

// How many modifier keys a key click presses besides its key.
int modifierKeys(int modifiers) {
    return std::popcount(static_cast<unsigned>(modifiers));
}

// Counts the key events that get past the application's event filters to the window, on their
// way to its controls.
class KeysPassedOn final : public QObject {
public:
    int count = 0;
    explicit KeysPassedOn(QWindow* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) ++count;
        return false;
    }
};

}  // namespace

class WindowRecordingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LiveEditor> e_;
    MainWindow* w_ = nullptr;

    const Cell& cell(int row, int column) {
        return w_->session().currentTable()->row(row).cell(column);
    }
    QString feedback() const { return w_->controls().text1->text(); }
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w_->windowHandle(), key, modifiers);
    }

    // Recording into "On Press 1" of the spare row.
    void startRecording() {
        clickCell(*w_, kSpareRow, col::FirstPress);
        commandButton(*w_, "ComRec")->click();
        QVERIFY(w_->session().recording);
    }

private slots:
    void init() {
        e_ = std::make_unique<LiveEditor>();
        w_ = &e_->start(testing::noDevices(),
                        VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz");
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_));
        e_->shown().clear();
    }
    void cleanup() { e_.reset(); }

    void recordStepsWithTheGuardThenStop() {
        startRecording();
        QCOMPARE(e_->shown().size(), std::size_t{1});
        QCOMPARE(e_->shown()[0].icon, Icon::Information);
        QCOMPARE(e_->shown()[0].title, std::string("Keyboard Hook Active"));
        QVERIFY(e_->live->keyboardGuard().installed());
        QCOMPARE(w_->controls().commands->recPicture(), QString("rec_on"));
        QCOMPARE(w_->tableModel().stepHeaderImage(col::FirstPress), 13);
        QVERIFY(!commandButton(*w_, "ComTest")->isEnabled());  // the states see the new mode
        QCOMPARE(e_->outputsOpened, 1);
        QVERIFY(e_->keys.batches().empty());  // the row's locks are off, as is the keyboard

        KeysPassedOn reached(w_->windowHandle());
        type(Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(reached.count, 4);  // SHIFT and A, down and up, go on to the focused control
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string("SHIFT + A"));
        QCOMPARE(cell(kSpareRow, col::FirstPress).tag, Tag::text("A"));
        QCOMPARE(w_->session().list.selected()->state, state::Changed);
        // DELETE is a key to record, not "Remove Items".
        type(Qt::Key_Delete);
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string("DELETE"));
        QCOMPARE(w_->session().currentTable()->rowCount(), 3);

        // A navigation key is a step too: it moves no selection, and does not go on.
        KeysPassedOn navigation(w_->windowHandle());
        type(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string("CTRL + PAGE DOWN"));
        QCOMPARE(w_->session().currentTable()->selected, kSpareRow);
        QCOMPARE(navigation.count, 2);  // only CTRL, down and up

        // A double click on the row's Num Lock cell switches the keyboard's Num Lock at once.
        clickCell(*w_, kSpareRow, col::NumLock);
        QTest::mouseDClick(w_->controls().listView3->viewport(), Qt::LeftButton, {},
                           cellCentre(*w_, kSpareRow, col::NumLock));
        QCOMPARE(cell(kSpareRow, col::NumLock).text, std::string("On"));
        QVERIFY(e_->keys.lockOn(vk::NumLock));

        // Stopping lets the keyboard and the key output go.
        type(Qt::Key_Escape, Qt::ControlModifier);
        commandButton(*w_, "ComRec")->click();
        QVERIFY(!w_->session().recording);
        QCOMPARE(e_->openOutputs, 0);
        QVERIFY(!e_->live->keyboardGuard().installed());
        QCOMPARE(w_->controls().commands->recPicture(), QString("rec_off"));
        QCOMPARE(feedback(), QString());
        QVERIFY(commandButton(*w_, "ComTest")->isEnabled());
        type(Qt::Key_B);
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string("CTRL + PAGE DOWN"));
    }

    void windowSwitchingCombinationsAreBlocked_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("feedback");
        QTest::newRow("ctrl esc") << int(Qt::Key_Escape) << int(Qt::ControlModifier)
                                  << "CTRL + ESC blocked";
        QTest::newRow("alt tab") << int(Qt::Key_Tab) << int(Qt::AltModifier) << "ALT + TAB blocked";
        QTest::newRow("alt esc") << int(Qt::Key_Escape) << int(Qt::AltModifier)
                                 << "ALT + ESC blocked";
    }
    void windowSwitchingCombinationsAreBlocked() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, feedback);
        startRecording();
        KeysPassedOn reached(w_->windowHandle());
        type(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(reached.count, 2 * modifierKeys(modifiers));
        QCOMPARE(this->feedback(), feedback);
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string(" "));
    }

    void withoutTheGrabRecordingGoesOnUnguarded() {
        e_->grantGrab = false;
        startRecording();
        QCOMPARE(e_->shown().size(), std::size_t{1});
        QCOMPARE(e_->shown()[0].icon, Icon::None);
        QVERIFY(!e_->live->keyboardGuard().installed());
        type(Qt::Key_Escape, Qt::ControlModifier);
        QCOMPARE(cell(kSpareRow, col::FirstPress).text, std::string("CTRL + ESC"));
    }

};

VELLORAN_GUI_TEST(WindowRecordingTest);
#include "window_recording_test.moc"
