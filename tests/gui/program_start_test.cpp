// What the program needs before and around its main window: the hand-over to a running editor,
// starting runvale, the trash, its folders, the command line and the input layer's version.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
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

    QString uniqueName() const {
        return QStringLiteral("velloran-test-%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(QDateTime::currentMSecsSinceEpoch());
    }

private slots:
    void aSecondStartHandsItsFileToTheFirst() {
        const QString name = uniqueName();
        SingleInstance second(name);
        QVERIFY(!second.handOver("/tmp/x.vlz", 500));  // nobody listens yet

        SingleInstance first(name);
        QVERIFY(first.listen());
        QSignalSpy started(&first, &SingleInstance::secondStart);
        // The running editor reads what was handed over once its event loop runs again.
        QVERIFY(SingleInstance(name).handOver("/home/u/my pad.vlz"));
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(started[0][0].toString(), QString("/home/u/my pad.vlz"));

        QVERIFY(SingleInstance(name).handOver(QString()));  // started without a file
        QTRY_COMPARE(started.count(), 2);
        QCOMPARE(started[1][0].toString(), QString());
    }

    void aNameLeftByAnEditorThatDiedIsTakenOver() {
        const QString name = uniqueName();
        // A socket file that nobody answers on, as a crash leaves it.
        const QString stale = QDir::tempPath() + QLatin1Char('/') + name;
        QFile file(stale);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SingleInstance instance(name);
        QVERIFY(instance.listen());
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
        QVERIFY(paths.assetFolder.ends_with("/share/velloran/"));
        QCOMPARE(withSlash("/a/b/../c"), std::string("/a/c/"));
        QCOMPARE(commandLineText({"velloran"}), std::string());
        QCOMPARE(commandLineText({"velloran", "my", "pad.vlz"}), std::string("my pad.vlz"));
        QVERIFY(sdlVersion().value_or(LibraryVersion{}) >= kRequiredInputLayer);
    }
};

VELLORAN_GUI_TEST(ProgramStartTest);
#include "program_start_test.moc"
