// The test mode of the real main window with an SDL virtual pad: ComTest starts it with a key
// output opened for it, Timer1 polls every 10 ms, the "Virtual Devices" panel presses the pad's
// buttons, the mapped keys reach the output and the held row shows, FormTest lists the keys it is
// given; ComTest again stops it and closes the output.
#include <QAbstractButton>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "devices/virtual_device_panel.h"
#include "devices/virtual_device_start.h"
#include "gui_test_main.h"
#include "live_editor.h"
#include "sdl/sdl_joystick_hub.h"
#include "sdl/virtual_joystick.h"

using namespace velloran;
using namespace velloran::testing;
using velloran::testing::LiveEditor;

namespace {

using Batch = std::vector<KeyRecord>;
const Batch kShiftADown{{0x2a, false}, {0x1e, false}};
const Batch kShiftAUp{{0x1e, true}, {0x2a, true}};

std::vector<Batch> batches(const RecordingOutput& output) {
    std::vector<Batch> out;
    for (const SentBatch& b : output.batches()) out.push_back(b.records);
    return out;
}

std::vector<std::string> titles(const std::vector<Message>& shown) {
    std::vector<std::string> out;
    for (const Message& m : shown) out.push_back(m.title);
    return out;
}

}  // namespace

class WindowTestModeTest : public QObject {
    Q_OBJECT

private:
    std::vector<VirtualJoystick> pads_;
    std::unique_ptr<LiveEditor> e_;
    MainWindow* w_ = nullptr;
    VirtualDevicePanel* panel_ = nullptr;
    QTemporaryDir dir_;

    QString mirror() const { return dir_.filePath(QStringLiteral("test-output.txt")); }

    // The window over the pad with the configuration whose button 1 sends SHIFT + A.
    void startEditor() {
        e_ = std::make_unique<LiveEditor>();
        w_ = &e_->start(std::make_unique<EditorDevices>(EditorDevices::openSystem()),
                        VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz", mirror());
        showVirtualDevicesDuringTests(pads_, *w_, e_->live->testMode());
        panel_ = w_->findChild<VirtualDevicePanel*>(QStringLiteral("VirtualDevices"));
        e_->shown().clear();
    }

    TestMode& testMode() { return e_->live->testMode(); }
    const MappingRow& row(int index) { return w_->session().currentTable()->row(index); }

private slots:
    void initTestCase() {
        qputenv("SDL_VIDEODRIVER", "dummy");
        qputenv("VELLORAN_HIDLINK", "/nonexistent");  // no HID boards
        auto pads = attachVirtualJoysticks({{"Demo Pad", 12}});
        if (!pads) QSKIP("SDL virtual joysticks are not available here");
        pads_ = std::move(pads.value());
    }
    void init() { startEditor(); }
    void cleanup() {
        e_.reset();
        panel_ = nullptr;
    }

    void startOpensTheOutputAndPolls() {
        QVERIFY(panel_ && panel_->isHidden());
        e_->outputAvailable = false;  // without a key output there is no test
        commandButton(*w_, "ComTest")->click();
        QCOMPARE(titles(e_->shown()), std::vector<std::string>{"No Keyboard Output"});
        QVERIFY(!w_->session().testing && !testMode().timer1().isActive());

        e_->outputAvailable = true;
        e_->shown().clear();
        commandButton(*w_, "ComTest")->click();

        QCOMPARE(titles(e_->shown()), std::vector<std::string>{"Test Warning"});
        QVERIFY(w_->session().testing);
        QCOMPARE(e_->openOutputs, 1);
        QVERIFY(testMode().timer1().isActive());
        QCOMPARE(e_->priority.asked, std::vector<int>{priority::High});
        QVERIFY(testMode().testOutput() && testMode().testOutput()->isVisible());
        QVERIFY(panel_->isVisible());
        QVERIFY(!commandButton(*w_, "ComRec")->isEnabled());

        commandButton(*w_, "ComTest")->click();
        QVERIFY(!w_->session().testing);
        QCOMPARE(e_->openOutputs, 0);  // the virtual keyboard lives only during the test
        QVERIFY(!testMode().timer1().isActive());
        QTRY_VERIFY(!testMode().testOutput());
        QVERIFY(panel_->isHidden());
        QCOMPARE(e_->priority.asked, (std::vector<int>{priority::High, priority::Normal}));
    }

    void heldButtonSendsItsMacroAndShowsTheRow() {
        commandButton(*w_, "ComTest")->click();
        QPushButton* button1 = panel_->button(0, 1);
        QVERIFY(button1);

        QTest::mousePress(button1, Qt::LeftButton);
        QTRY_COMPARE(row(0).colour, colour::PressedRow);
        QCOMPARE(batches(e_->keys), (std::vector<Batch>{kShiftADown, kShiftAUp}));
        QCOMPARE(w_->controls().statusBar1->panelText(2), QString("Button 1: Pressed"));

        QTest::mouseRelease(button1, Qt::LeftButton);
        QTRY_COMPARE(row(0).colour, colour::ActiveRow);
        QTRY_COMPARE(w_->controls().statusBar1->panelText(2), QString(" "));

        // Timings applied during a test take effect; closing the window stops it.
        const EngineTimings faster{0.1, 0.02, 5};
        w_->applyTimings(faster);
        QTRY_COMPARE(testMode().engine()->timings(), faster);

        w_->close();
        QVERIFY(!w_->session().testing);
        QCOMPARE(e_->openOutputs, 0);
        QCOMPARE(e_->priority.now, priority::Normal);
    }

    void testOutputWindowListsTheKeysItGets() {
        commandButton(*w_, "ComTest")->click();
        FormTest* form = testMode().testOutput();
        QWidget* box = form->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));

        QTest::keyClick(box, Qt::Key_A, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(form->findChild<QPlainTextEdit*>()->toPlainText(), QString("SHIFT + A\nNUMPAD 5"));
        QFile log(mirror());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("SHIFT + A\nNUMPAD 5\n"));
        QCOMPARE(w_->session().list.selected()->state, state::Unchanged);  // nothing recorded

        // Keys typed into the main window go to the test output too.
        QTest::keyClick(w_->windowHandle(), Qt::Key_F5, Qt::ControlModifier);
        QVERIFY(form->text().ends_with("CTRL + F5"));

        form->findChild<QPushButton*>(QStringLiteral("CmdClear"))->click();
        QCOMPARE(form->text(), std::string());
        // Close leaves the test running.
        form->findChild<QPushButton*>(QStringLiteral("CmdClose"))->click();
        QTRY_VERIFY(!testMode().testOutput());
        QVERIFY(testMode().timer1().isActive());
    }
};

VELLORAN_GUI_TEST(WindowTestModeTest);
#include "window_test_mode_test.moc"
