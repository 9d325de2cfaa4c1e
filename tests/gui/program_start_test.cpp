// What the program needs before and around its main window: the hand-over to a running editor,
// starting runvale, the trash, its folders, the command line and the input layer's version.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "base/qt_launcher.h"
#include "base/qt_trash.h"
#include "base/session_paths.h"
#include "gui_test_main.h"
#include "shell/program_start.h"
#include "shell/single_instance.h"

using namespace velloran;

class ProgramStartTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void startsWhileTheFirstIsStartingWaitForItsWindow() {
        const QString name = dir.filePath("editor");
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

    void aSocketLeftByAnEditorThatDiedIsTakenOver() {
        const QString name = dir.filePath("stale");
        QFile file(name);  // a file nobody answers on, as a crash leaves it
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SingleInstance instance(name);
        QVERIFY(!instance.handOverOrListen(QString()));
        QVERIFY(SingleInstance(name).handOverOrListen(QString()));
    }

    void launcherPassesThePathWholeAndTheWorkingFolder() {
        const QString script = dir.filePath("runvale");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" > \"$0.out\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);

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

    void trashTakesTheFileAway() {
        qputenv("XDG_DATA_HOME", dir.filePath("xdg").toUtf8());
        const QString path = dir.filePath("gone.vlz");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QtTrash trash;
        QCOMPARE(trash.moveToTrash(path.toStdString()), std::nullopt);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(trash.moveToTrash(path.toStdString()), runtimeError(err::FileNotFound));
    }

    void foldersAndTheCommandLine() {
        const SessionPaths paths = qtSessionPaths();
        QCOMPARE(paths.programFolder, withSlash(QCoreApplication::applicationDirPath()));
        QVERIFY(paths.assetFolder.ends_with("/share/"));
        QCOMPARE(withSlash("/a/b/../c"), std::string("/a/c/"));
        QCOMPARE(commandLineText({"velloran"}), std::string());
        QCOMPARE(commandLineText({"velloran", "my", "pad.vlz"}), std::string("my pad.vlz"));
        QVERIFY(sdlVersion().value_or(LibraryVersion{}) >= kRequiredInputLayer);
    }
};

VELLORAN_GUI_TEST(ProgramStartTest);
#include "program_start_test.moc"
