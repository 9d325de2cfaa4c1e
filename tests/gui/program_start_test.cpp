// What the program needs around its main window: the hand-over to a running editor, starting
// runvale, the trash, the command line and the input layer's version.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "base/qt_launcher.h"
#include "base/qt_trash.h"
#include "gui_test_main.h"
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
    // Lines handed over while the first start is still starting wait for its window.
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

    void launcherTrashAndTheCommandLine() {
        const QString script =
            file("runvale", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" > \"$0.out\"\n");
        QtLauncher launcher;
        const std::string work = dir.path().toStdString();
        QVERIFY(launcher.startDetached(script.toStdString(), {"/home/u/my pad.vlz"}, work));
        QFile out(script + ".out");
        QTRY_VERIFY(out.size() > 0);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(out.readAll()),
                 QString("1\n/home/u/my pad.vlz\n%1\n").arg(QDir(dir.path()).canonicalPath()));
        QVERIFY(!launcher.startDetached(dir.filePath("missing").toStdString(), {}, work));

        qputenv("XDG_DATA_HOME", dir.filePath("xdg").toUtf8());
        QtTrash trash;
        QCOMPARE(trash.moveToTrash(script.toStdString()), std::nullopt);
        QCOMPARE(trash.moveToTrash(script.toStdString()), runtimeError(err::FileNotFound));

        QCOMPARE(commandLineText({"velloran", "my", "pad.vlz"}), std::string("my pad.vlz"));
        QVERIFY(sdlVersion().value_or(LibraryVersion{}) >= kRequiredInputLayer);
    }
};

VELLORAN_GUI_TEST(ProgramStartTest);
#include "program_start_test.moc"
