// The editor's own options taken off its command line, and what is left for the configuration.
#include <QTest>

#include "devices/virtual_device_start.h"
#include "gui_test_main.h"
#include "shell/command_line_options.h"

using namespace velloran;

class CommandLineOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("devices");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<QString>("error");
        const QString program = QStringLiteral("velloran");
        QTest::newRow("separate values")
            << QStringList{program, "--virtual-devices", "Pad:4,Board:8", "a.vlz",
                           "--test-output-log", "out.txt"}
            << "Pad:4,Board:8" << "out.txt" << QStringList{program, "a.vlz"} << "";
        QTest::newRow("values after =, a file name with =")
            << QStringList{program, "--virtual-devices=Demo Pad:12", "x=y.vlz"} << "Demo Pad:12"
            << "" << QStringList{program, "x=y.vlz"} << "";
        QTest::newRow("value missing")
            << QStringList{program, "a.vlz", "--virtual-devices"} << "" << ""
            << QStringList{program, "a.vlz"} << "--virtual-devices needs a value";
    }
    void options() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, devices);
        QFETCH(QString, log);
        QFETCH(QStringList, rest);
        QFETCH(QString, error);
        const EditorOptions options = parseEditorOptions(arguments);
        QCOMPARE(QString::fromStdString(options.virtualDevices), devices);
        QCOMPARE(options.testOutputLog, log);
        QCOMPARE(options.arguments, rest);
        QCOMPARE(QString::fromStdString(options.error), error);
        QCOMPARE(!virtualDeviceSetups(options), !error.isEmpty());
    }

    void helpIsAskedForAnywhere() {
        const char* asked[] = {"velloran", "a.vlz", "--help"};
        const char* notAsked[] = {"velloran", "--helpful.vlz"};
        QVERIFY(wantsHelp(3, asked));
        QVERIFY(!wantsHelp(2, notAsked));
    }
};

VELLORAN_GUI_TEST(CommandLineOptionsTest);
#include "command_line_options_test.moc"
