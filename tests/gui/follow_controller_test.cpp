// Follow Controller in the real window with an SDL virtual pad: a pressed button selects its row,
// one without a row says so, and the devices are not read during a test.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "gui_test_main.h"
#include "live_editor.h"
#include "sdl/virtual_joystick.h"

using namespace velloran;

class FollowControllerTest : public QObject {
    Q_OBJECT

private slots:
    void aPressedButtonSelectsItsRowUntilATestStarts() {
        qputenv("SDL_VIDEODRIVER", "dummy");
        qputenv("VELLORAN_HIDLINK", "/nonexistent");  // no HID boards
        auto pads = attachVirtualJoysticks({{"Demo Pad", 6}});
        if (!pads) QSKIP("SDL virtual joysticks are not available here");
        testing::LiveEditor e;
        MainWindow& w = e.start(std::make_unique<EditorDevices>(EditorDevices::openSystem()));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, QKeySequence("Ctrl+N"));
        MappingTable& table = *w.session().currentTable();
        table.rows().pop_back();  // button 6 has no row
        QAction* follow = w.menus().tools->findChild<QAction*>("MNfollow");
        QVERIFY(!follow->isChecked());
        follow->trigger();
        QCOMPARE(e.editor.store->GetString(Root::CurrentUser, kConfigKey, "FollowController"),
                 std::string("True"));

        VirtualJoystick& pad = pads.value().front();
        QTRY_VERIFY(e.live->controllerFollow().reading());
        pad.setButton(4, true);
        QTRY_COMPARE(table.selected, 3);
        QCOMPARE(w.controls().listView3->currentCell().row, 3);
        pad.setButton(4, false);
        pad.setButton(6, true);
        QTRY_COMPARE(w.statusBar()->currentMessage(),
                     QString("Button 6 of Demo Pad has no row in this configuration."));
        QCOMPARE(table.selected, 3);

        w.commands().trigger(Command::Test);
        QVERIFY(w.session().testing);
        QTRY_VERIFY(!e.live->controllerFollow().reading());
        w.commands().trigger(Command::Test);
        follow->trigger();
        QVERIFY(!e.live->controllerFollow().timer().isActive());
    }
};

VELLORAN_GUI_TEST(FollowControllerTest);
#include "follow_controller_test.moc"
