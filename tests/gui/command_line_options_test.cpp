// The editor's own options taken off its command line, and what is left for the configuration.
#include <QTest>

#include "devices/virtual_device_start.h"
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
        QTest::newRow("none") << QStringList{program, "My", "Day.vlz"} << "" << ""
                              << QStringList{program, "My", "Day.vlz"} << "";
        QTest::newRow("separate values")
            << QStringList{program, "--virtual-devices", "Pad:4,Board:8", "a.vlz",
                           "--test-output-log", "out.txt"}
            << "Pad:4,Board:8" << "out.txt" << QStringList{program, "a.vlz"} << "";
        QTest::newRow("values after =")
            << QStringList{program, "--virtual-devices=Demo Pad:12", "--test-output-log=o"}
            << "Demo Pad:12" << "o" << QStringList{program} << "";
        QTest::newRow("a file name with = is not an option")
            << QStringList{program, "x=y.vlz"} << "" << "" << QStringList{program, "x=y.vlz"}
            << "";
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
    }

    void virtualDeviceListErrorsRefuseTheStart() {
        EditorOptions missing;
        missing.error = "--virtual-devices needs a value";
        QVERIFY(!virtualDeviceSetups(missing));
        EditorOptions bad;
        bad.virtualDevices = "Demo Pad";
        const auto setups = virtualDeviceSetups(bad);
        QVERIFY(!setups);
        QVERIFY(setups.error().description.find("Demo Pad") != std::string::npos);
        bad.virtualDevices = "Demo Pad:12, Demo Board:32";
        QCOMPARE(virtualDeviceSetups(bad).value().size(), std::size_t{2});
    }

    void helpIsAskedForAnywhere() {
        const char* asked[] = {"velloran", "a.vlz", "--help"};
        const char* notAsked[] = {"velloran", "--helpful.vlz"};
        QVERIFY(wantsHelp(3, asked));
        QVERIFY(!wantsHelp(2, notAsked));
    }
};

QTEST_MAIN(CommandLineOptionsTest)
#include "command_line_options_test.moc"
