// What the program needs before and around its main window: the hand-over to a running editor,
// starting runvale, the trash, its folders, the command line, the editor's own options and the
// input layer's version.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "base/qt_launcher.h"
#include "base/qt_trash.h"
#include "base/session_paths.h"
#include "devices/virtual_device_start.h"
#include "gui_test_main.h"
#include "shell/command_line_options.h"
#include "shell/program_start.h"
#include "shell/single_instance.h"

using namespace velloran;

class ProgramStartTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A file the owner may run in the test's folder; its path.
    QString file(const char* name, const QByteArray& content = {}) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) < 0) qFatal("cannot write %s", name);
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return f.fileName();
    }

private slots:
    // Lines handed over while the first start is still starting wait for its window; a socket
    // left by an editor that died is taken over.
    void laterStartsHandTheirCommandLineOver() {
        const QString name = file("editor");
        SingleInstance first(name);
        QVERIFY(!first.handOverOrListen("/a.vlz"));  // nobody listens: this start is the editor
        QVERIFY(SingleInstance(name).handOverOrListen("/home/u/my pad.vlz"));
        QVERIFY(SingleInstance(name).handOverOrListen(QString()));  // started without a file
        QTest::qWait(200);  // the first's start-up runs its event loop before the window is ready
        QStringList received;
        first.deliverTo([&received](const QString& line) { received.append(line); });
        QTRY_COMPARE(received, QStringList({"/home/u/my pad.vlz", QString()}));
        QVERIFY(SingleInstance(name).handOverOrListen("/b.vlz"));
        QTRY_COMPARE(received.size(), 3);
    }

    void launcherPassesThePathWholeAndTheWorkingFolder() {
        const QString script =
            file("runvale", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" > \"$0.out\"\n");
        QtLauncher launcher;
        const std::string work = dir.path().toStdString();
        QVERIFY(launcher.startDetached(script.toStdString(), {"/home/u/my pad.vlz"}, work));
        QFile out(script + ".out");
        QTRY_VERIFY(out.exists() && out.size() > 0);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(out.readAll()),
                 QString("1\n/home/u/my pad.vlz\n%1\n").arg(QDir(dir.path()).canonicalPath()));
        QVERIFY(!launcher.startDetached(dir.filePath("missing").toStdString(), {}, work));
    }

    void trashFoldersAndTheCommandLine() {
        qputenv("XDG_DATA_HOME", dir.filePath("xdg").toUtf8());
        const std::string gone = file("gone.vlz").toStdString();
        QtTrash trash;
        QCOMPARE(trash.moveToTrash(gone), std::nullopt);
        QVERIFY(!QFile::exists(QString::fromStdString(gone)));
        QCOMPARE(trash.moveToTrash(gone), runtimeError(err::FileNotFound));

        const SessionPaths paths = qtSessionPaths();
        QCOMPARE(paths.programFolder, withSlash(QCoreApplication::applicationDirPath()));
        QVERIFY(paths.assetFolder.ends_with("/share/"));
        QCOMPARE(withSlash("/a/b/../c"), std::string("/a/c/"));
        QCOMPARE(commandLineText({"velloran", "my", "pad.vlz"}), std::string("my pad.vlz"));
        QVERIFY(sdlVersion().value_or(LibraryVersion{}) >= kRequiredInputLayer);
    }

    // The editor's own options come off the command line; the rest names the configuration.
    // Each row: the arguments, then "devices|log|rest|error".
    void editorOptions() {
        const std::pair<QStringList, QString> cases[] = {
            {{"v", "--virtual-devices", "Pad:4", "a", "--test-output-log", "o"}, "Pad:4|o|v a|"},
            {{"v", "--virtual-devices=Demo Pad:12", "x=y.vlz"}, "Demo Pad:12||v x=y.vlz|"},
            {{"v", "a", "--virtual-devices"}, "||v a|--virtual-devices needs a value"},
        };
        for (const auto& [arguments, expected] : cases) {
            const EditorOptions o = parseEditorOptions(arguments);
            QCOMPARE(QString::fromStdString(o.virtualDevices + "|") + o.testOutputLog + "|" +
                         o.arguments.join(' ') + "|" + QString::fromStdString(o.error),
                     expected);
            QCOMPARE(!virtualDeviceSetups(o), !o.error.empty());
        }
        const char* asked[] = {"velloran", "a.vlz", "--help"};
        const char* notAsked[] = {"velloran", "--helpful.vlz"};
        QVERIFY(wantsHelp(3, asked) && !wantsHelp(2, notAsked));
    }
};

VELLORAN_GUI_TEST(ProgramStartTest);
#include "program_start_test.moc"
