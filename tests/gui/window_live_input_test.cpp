// The real main window with its live input as the program builds it: the device list, record
// mode, test mode and Follow Controller, over SDL virtual pads and the boards of the simulated
// HID library, with the keys going to a recording output and a fake process priority; and the
// Qt keys as the virtual-key codes the decoder takes.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QWindow>
#include <set>
#include <tuple>

#include "base/steady_clock.h"
#include "devices/virtual_device_panel.h"
#include "devices/virtual_device_start.h"
#include "editing/qt_virtual_keys.h"
#include "editor_fixture.h"
#include "gui_test_main.h"
#include "keys/key_names.h"
#include "keys/recording_output.h"
#include "live_test/live_input.h"
#include "sdl/virtual_joystick.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

// Button 1 "Fire" sends SHIFT + A, button 2 "Spare" has no steps, row 3 is of a pad never seen.
constexpr const char* kDemoPadFile = VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz";
constexpr int kSpareRow = 1;

// A key output that keeps what it is sent, counting how many are open.
struct CountedOutput final : RecordingOutput {
    int& open;
    CountedOutput(Clock& clock, int& count) : RecordingOutput(clock), open(count) { ++open; }
    ~CountedOutput() override { --open; }
};

struct FakePriority final : ProcessPriority {
    int now = priority::Normal;
    int get() override { return now; }
    int set(int priorityClass) override { return now = priorityClass; }
};

}  // namespace

class WindowLiveInputTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QString boards_ = dir_.filePath("boards.txt");  // the simulated HID library's boards
    SteadyClock clock_;
    FakePriority priority_;
    CountedOutput* keys_ = nullptr;  // the last key output opened
    int openOutputs_ = 0;
    bool outputAvailable_ = true;
    bool grantGrab_ = true;  // the keyboard grab the guard asks for
    std::vector<VirtualJoystick> pads_;
    std::unique_ptr<EditorDevices> devices_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<LiveInput> live_;
    MainWindow* w_ = nullptr;
    int keysPassedOn_ = 0;  // key events that got past the application's filters to the window

    // The window over the system's input back ends, loaded with the demo pad's configuration.
    void start() {
        live_.reset();  // before the window it watches
        outputAvailable_ = grantGrab_ = true;
        devices_ = std::make_unique<EditorDevices>(EditorDevices::openSystem());
        editor_ = std::make_unique<Editor>();
        Editor& e = *editor_;
        e.window = std::make_unique<MainWindow>(DocumentServices{
            e.boxes, e.dialogs, *e.store, e.files, e.files, e.launcher, e.trash, e.paths()});
        w_ = e.window.get();
        w_->setDeviceDetection([this] { return devices_->detect(); });
        const auto openOutput = [this]() -> OpenedKeyOutput {
            if (!outputAvailable_) return {nullptr, {OutputKind::None, "", "No display."}, ""};
            keys_ = new CountedOutput(clock_, openOutputs_);
            return {std::unique_ptr<KeyOutput>(keys_), {OutputKind::XTest, "XTest", ""}, ""};
        };
        const auto grab = [this](QWidget&, bool) { return grantGrab_ ? 0 : 1; };
        live_ = std::make_unique<LiveInput>(
            *w_, LiveInputParts{*devices_, openOutput, priority_, clock_, grab, {}});
        w_->Form_Load(kDemoPadFile);
        showVirtualDevicesDuringTests(pads_, *w_, testMode());  // none without pads
    }
    MappingTable& table() { return *w_->session().currentTable(); }
    TestMode& testMode() { return live_->testMode(); }
    void click(const char* button) { commandButton(*w_, button)->click(); }
    bool activate() { return w_->activateWindow(), QTest::qWaitForWindowActive(w_); }
    bool eventFilter(QObject*, QEvent* event) override {
        keysPassedOn_ += event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        return false;
    }
    // Types the key; how many of its key events went on to the window's controls.
    int type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        keysPassedOn_ = 0;
        QTest::keyClick(w_->windowHandle(), key, modifiers);
        return keysPassedOn_;
    }
    std::string spareStep() { return table().row(kSpareRow).cell(col::FirstPress).text; }

private slots:
    void initTestCase() {
        qputenv("SDL_VIDEODRIVER", "dummy");
        qputenv("VELLORAN_HIDLINK",
                QCoreApplication::applicationDirPath().toUtf8() + "/../lib/libhidlink-sim.so");
        qputenv("HIDLINK_SIM_FILE", boards_.toUtf8());
        QFile(boards_).open(QIODevice::WriteOnly);  // no boards until a test adds one
    }

    // First, as its pads serve the later journeys. Two identical pads whose buttons share
    // numbers: the rows are the first one's.
    void deviceListAtStartUpAndOnRefresh() {
        if (!QFile::exists(qEnvironmentVariable("VELLORAN_HIDLINK")))
            QSKIP("libhidlink-sim.so is not built beside the tests");
        start();
        // Plugged in after the start: the later journeys have them even if this one fails.
        auto pads = attachVirtualJoysticks({{"Demo Pad", 12}, {"Demo Pad", 12}});
        if (!pads) QSKIP("SDL virtual joysticks are not available here");
        pads_ = std::move(pads.value());
        const QListWidget& list = *w_->controls().listView2;
        QCOMPARE(editor_->boxes.shown.at(0).icon, Icon::Exclamation);
        QCOMPARE(editor_->boxes.shown.at(0).title, std::string("No Input Devices"));
        QCOMPARE(list.item(0)->text(), QString("No Input Devices Found."));
        QCOMPARE(table().row(0).colour, colour::InactiveRow);

        QFile boards(boards_);
        QVERIFY(boards.open(QIODevice::WriteOnly) && boards.write("board P-1 3 Overhead Panel\n"));
        boards.close();
        QString querying;  // the status panel while the devices are detected
        w_->setDeviceDetection(
            [&] { return querying = w_->controls().statusBar1->panelText(1), devices_->detect(); });
        w_->menus().toolbar->findChild<QAction*>(QStringLiteral("BTjoy"))->trigger();
        QCOMPARE(querying, QString("DirectInput Device: Querying Properties"));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.item(2)->text(), QString("Overhead Panel"));
        QCOMPARE(table().row(0).colour, colour::ActiveRow);
        QCOMPARE(w_->controls().statusBar1->panelText(1), QString("Input Devices: Available"));
    }

    void recordGuardedThenUnguarded() {
        start();
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_));
        w_->windowHandle()->installEventFilter(this);
        clickCell(*w_, kSpareRow, col::FirstPress);
        click("ComRec");
        QVERIFY(w_->session().recording && live_->keyboardGuard().installed());
        QCOMPARE(openOutputs_, 1);

        QCOMPARE(type(Qt::Key_A, Qt::ShiftModifier), 4);  // SHIFT and A go on to the controls
        QCOMPARE(spareStep(), std::string("SHIFT + A"));
        QCOMPARE(type(Qt::Key_PageDown, Qt::ControlModifier), 2);  // a step, not a move
        QCOMPARE(spareStep(), std::string("CTRL + PAGE DOWN"));
        QCOMPARE(type(Qt::Key_Escape, Qt::ControlModifier), 2);
        QCOMPARE(w_->controls().text1->text(), QString("CTRL + ESC blocked"));

        // A double click on the row's Num Lock cell switches the keyboard's Num Lock at once.
        clickCell(*w_, kSpareRow, col::NumLock);
        QTest::mouseDClick(w_->controls().listView3->viewport(), Qt::LeftButton, {},
                           cellCentre(*w_, kSpareRow, col::NumLock));
        QVERIFY(keys_->lockOn(vk::NumLock));

        click("ComRec");
        QVERIFY(!w_->session().recording && !live_->keyboardGuard().installed());
        QCOMPARE(openOutputs_, 0);
        grantGrab_ = false;  // refused: recording goes on unguarded
        click("ComRec");
        QVERIFY(w_->session().recording && !live_->keyboardGuard().installed());
        QCOMPARE(type(Qt::Key_Escape, Qt::ControlModifier), 4);  // not blocked
    }

    void testSendsThePressedButtonsKeys() {
        if (pads_.empty()) QSKIP("no virtual pads: see the device list's journey");
        start();
        auto* panel = w_->findChild<VirtualDevicePanel*>(QStringLiteral("VirtualDevices"));
        outputAvailable_ = false;
        click("ComTest");
        QCOMPARE(editor_->boxes.shown.back().title, std::string("No Keyboard Output"));
        QVERIFY(!w_->session().testing);
        outputAvailable_ = true;
        click("ComTest");
        QVERIFY(w_->session().testing && testMode().timer1().isActive() && panel->isVisible());
        QCOMPARE(openOutputs_, 1);
        QCOMPARE(priority_.now, priority::High);

        QTest::mousePress(panel->button(0, 1), Qt::LeftButton);
        QTRY_COMPARE(table().row(0).colour, colour::PressedRow);
        QCOMPARE(keys_->batches().size(), std::size_t{2});  // SHIFT + A down, then up
        QCOMPARE(w_->controls().statusBar1->panelText(2), QString("Button 1: Pressed"));
        QTest::mouseRelease(panel->button(0, 1), Qt::LeftButton);
        QTRY_COMPARE(table().row(0).colour, colour::ActiveRow);
        w_->applyTimings(EngineTimings{0.1, 0.02, 5});  // in force at once, during the test too
        QTRY_COMPARE(testMode().engine()->timings(), (EngineTimings{0.1, 0.02, 5}));

        // FormTest lists the keys typed into it or into the main window.
        FormTest* form = testMode().testOutput();
        QTest::keyClick(form->findChild<QPlainTextEdit*>(QStringLiteral("Text1")), Qt::Key_5,
                        Qt::KeypadModifier);
        QTest::keyClick(w_->windowHandle(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(form->text(), std::string("NUMPAD 5\r\nCTRL + F5"));
        form->findChild<QAbstractButton*>(QStringLiteral("CmdClear"))->click();
        QCOMPARE(form->text(), std::string());
        form->findChild<QAbstractButton*>(QStringLiteral("CmdClose"))->click();  // the test goes on
        QTRY_VERIFY(!testMode().testOutput());
        QVERIFY(testMode().timer1().isActive());

        w_->close();
        QVERIFY(!w_->session().testing && !testMode().timer1().isActive() && panel->isHidden());
        QCOMPARE(openOutputs_, 0);
        QCOMPARE(priority_.now, priority::Normal);
    }

    void followSelectsThePressedButtonsRow() {
        if (pads_.empty()) QSKIP("no virtual pads: see the device list's journey");
        start();
        w_->show();
        QVERIFY(activate());
        QAction* follow = w_->menus().tools->findChild<QAction*>("MNfollow");
        follow->trigger();
        QCOMPARE(editor_->store->GetString(Root::CurrentUser, kConfigKey, "FollowController"),
                 std::string("True"));
        QTRY_VERIFY(live_->controllerFollow().reading());
        pads_[0].setButton(2, true);
        QTRY_COMPARE(table().selected, 1);
        QCOMPARE(w_->controls().listView3->currentCell().row, 1);
        pads_[0].setButton(7, true);
        QTRY_COMPARE(w_->statusBar()->currentMessage(),
                     QString("Button 7 of Demo Pad has no row in this configuration."));

        click("ComTest");
        QVERIFY(activate());  // from the test's output window
        QTest::qWait(3 * ControllerFollow::kIntervalMs);
        QVERIFY(!live_->controllerFollow().reading());
        click("ComTest");
        follow->trigger();
        QVERIFY(!live_->controllerFollow().timer().isActive());
    }

    // Qt names the character a key makes: the keys whose name differs from the key, and every
    // named key but PRINT SCREEN (no keyboard sends its code) from some Qt key.
    void qtKeysAsVirtualKeyCodes() {
        using Row = std::tuple<int, Qt::KeyboardModifiers, int>;  // Qt key, modifiers, code
        for (const auto& [key, modifiers, code] :
             {Row{Qt::Key_Asterisk, Qt::ShiftModifier, 56},  // shifted 8
              {Qt::Key_Asterisk, Qt::KeypadModifier, 106},   // keypad *
              {Qt::Key_Enter, Qt::KeypadModifier, 108},      // keypad Enter
              {Qt::Key_Home, Qt::KeypadModifier, 36},        // keypad 7 with Num Lock off
              {Qt::Key_QuoteDbl, Qt::ShiftModifier, 222},    // shifted quote
              {Qt::Key_Backtab, Qt::ShiftModifier, 9},       // shifted Tab
              {Qt::Key_Print, Qt::NoModifier, 44},           // the snapshot key
              {Qt::Key_Adiaeresis, Qt::NoModifier, 0}}) {    // not on a US keyboard
            QCOMPARE(int(virtualKeyOf(key, modifiers)), code);
        }
        QCOMPARE(modifierMask(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier), 5);
        std::set<int> typed;
        for (const auto& [first, last] : {std::pair{0x20, 0x7e}, {0x01000000, 0x010000ff}}) {
            for (int key = first; key <= last; ++key) {
                typed.insert(virtualKeyOf(key, Qt::NoModifier));
                typed.insert(virtualKeyOf(key, Qt::KeypadModifier));
            }
        }
        for (const KeyName& row : keyNames()) {
            if (row.code != 42) QVERIFY2(typed.count(row.code), row.name.data());
        }
    }
};

VELLORAN_GUI_TEST(WindowLiveInputTest);
#include "window_live_input_test.moc"
