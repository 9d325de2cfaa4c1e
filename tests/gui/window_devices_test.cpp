// Device detection in the real main window: SDL virtual game controllers, then the boards of the
// simulated HID library, at start-up and on Refresh Device List, with the Device list, the
// Button table, the status panel and the rows marked against what was found.
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "gui_test_main.h"
#include "live_editor.h"
#include "sdl/sdl_joystick_hub.h"
#include "sdl/virtual_joystick.h"

using namespace velloran;
using velloran::testing::LiveEditor;

namespace {

constexpr const char* kDemoPadIdentity = "ff00cfdb44656d6f2050616400007608/#1";

QStringList deviceList(const MainWindow& w) {
    QStringList names;
    const QListWidget& list = *w.controls().listView2;
    for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
    return names;
}

QAction* toolbarButton(const MainWindow& w, const char* key) {
    return w.menus().toolbar->findChild<QAction*>(QString::fromLatin1(key));
}

std::vector<std::uint32_t> rowColours(MainWindow& w) {
    std::vector<std::uint32_t> colours;
    for (const MappingRow& row : w.session().currentTable()->rows()) colours.push_back(row.colour);
    return colours;
}

}  // namespace

class WindowDevicesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString boards_;  // the simulated HID library's board file

    void writeBoards(const char* text) {
        QFile file(boards_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    std::vector<VirtualJoystick> attach(const std::vector<VirtualDeviceSetup>& setups) {
        auto pads = attachVirtualJoysticks(setups);
        if (!pads) qFatal("%s", pads.error().description.c_str());
        return std::move(pads.value());
    }

private slots:
    void initTestCase() {
        qputenv("SDL_VIDEODRIVER", "dummy");
        if (!SdlJoystickHub::instance()) QSKIP("SDL's joystick subsystem does not start here");
        const QString library =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/libhidlink-sim.so");
        if (!QFile::exists(library)) QSKIP("libhidlink-sim.so is not built beside the tests");
        boards_ = dir_.filePath(QStringLiteral("boards.txt"));
        qputenv("VELLORAN_HIDLINK", library.toUtf8());
        qputenv("HIDLINK_SIM_FILE", boards_.toUtf8());
    }

    void init() { writeBoards(""); }

    // Two identical pads: their buttons share numbers, their identities tell them apart.
    void startUpListsControllersThenBoards() {
        writeBoards("board PANEL-A 3 Overhead Panel\n");
        auto pads = attach({{"Test Pad", 4}, {"Test Pad", 4}});
        LiveEditor e;
        MainWindow& w = e.start(std::make_unique<EditorDevices>(EditorDevices::openSystem()));

        QCOMPARE(deviceList(w), QStringList({"Test Pad", "Test Pad", "Overhead Panel"}));
        const DeviceInventory& found = w.session().devices;
        QVERIFY(found.devices[0].identity != found.devices[1].identity);
        QCOMPARE(found.devices[2].kind, DeviceKind::Hid);
        QCOMPARE(found.totalButtons(), 4 + 4 + 3);
        QCOMPARE(found.buttons[4].number, 1);
        QCOMPARE(found.buttons[4].identifier, found.devices[1].identity);
        QCOMPARE(w.controls().statusBar1->panelText(1), QString("Input Devices: Available"));
        QVERIFY(e.shown().empty());
        QVERIFY(toolbarButton(w, "BTnew")->isEnabled());
    }

    void startUpWithoutDevicesSaysSo() {
        LiveEditor e;
        MainWindow& w = e.start(std::make_unique<EditorDevices>(EditorDevices::openSystem()));
        QCOMPARE(e.shown().size(), std::size_t{1});
        QCOMPARE(e.shown()[0].icon, Icon::Exclamation);
        QCOMPARE(e.shown()[0].title, std::string("No Input Devices"));
        QCOMPARE(deviceList(w), QStringList({"No Input Devices Found."}));
        QVERIFY(!toolbarButton(w, "BTnew")->isEnabled());

        // Refresh Device List: "Querying" while it detects, then what it found.
        auto pads = attach({{"Test Pad", 2}});
        writeBoards("board B-1 5 Switch Board\n");
        QString panelWhileDetecting;
        w.setDeviceDetection([&] {
            panelWhileDetecting = w.controls().statusBar1->panelText(1);
            return e.devices->detect();
        });
        toolbarButton(w, "BTjoy")->trigger();
        QCOMPARE(panelWhileDetecting, QString("DirectInput Device: Querying Properties"));
        QCOMPARE(deviceList(w), QStringList({"Test Pad", "Switch Board"}));
        QVERIFY(toolbarButton(w, "BTnew")->isEnabled());
    }

    void refreshMarksRowsOfUnpluggedAndReturningDevices() {
        auto pads = attach({{"Demo Pad", 12}});
        LiveEditor e;
        MainWindow& w = e.start(std::make_unique<EditorDevices>(EditorDevices::openSystem()),
                                VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz");
        QCOMPARE(w.session().devices.devices.at(0).identity, std::string(kDemoPadIdentity));
        using Colours = std::vector<std::uint32_t>;
        const Colours plugged{colour::ActiveRow, colour::ActiveRow, colour::InactiveRow};
        QCOMPARE(rowColours(w), plugged);

        pads.clear();
        toolbarButton(w, "BTjoy")->trigger();
        QCOMPARE(rowColours(w), Colours(3, colour::InactiveRow));  // rows stay, only marked

        pads = attach({{"Demo Pad", 12}});
        toolbarButton(w, "BTjoy")->trigger();
        QCOMPARE(rowColours(w), plugged);
    }
};

VELLORAN_GUI_TEST(WindowDevicesTest);
#include "window_devices_test.moc"
