// Change Icon: which files give a configuration its picture, and what the entry remembers.
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "common/boxes.h"
#include "common/dialogs.h"
#include "gui_test_main.h"
#include "settings/icon_click.h"
#include "settings/icon_lookup.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"

using namespace velloran;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString shippedTypeIcon() {
    return QStringLiteral(VELLORAN_SOURCE_DIR "/packaging/icons/application-vl-config.svg");
}

}  // namespace

class IconClickTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(file("pad.png"), "PNG"));
        QVERIFY(picture.save(file("pad.ico"), "ICO"));
        writeFile(file("pad.svg"),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                  "<rect width=\"16\" height=\"16\" fill=\"teal\"/></svg>");
        writeFile(file("broken.ico"), "not an icon");
        writeFile(file("tool.exe"), QByteArray("MZ\x90\0\3\0\0\0\4\0\0\0", 12));
        writeFile(file("notes.vlz"), "[Velloran]\n");

        // A theme that has a picture for executables only, so that the lookup by MIME type
        // does not depend on the themes installed here.
        const QString theme = dir.filePath("icons/probe");
        QVERIFY(QDir().mkpath(theme + "/32x32/mimetypes"));
        writeFile(theme + "/index.theme",
                  "[Icon Theme]\nName=probe\nDirectories=32x32/mimetypes\n\n"
                  "[32x32/mimetypes]\nSize=32\nType=Fixed\n");
        QVERIFY(
            picture.scaled(32, 32).save(theme + "/32x32/mimetypes/application-x-executable.png"));
        QIcon::setThemeSearchPaths({dir.filePath("icons")});
        QIcon::setThemeName("probe");
    }

    void picturesOfFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::newRow("png") << "pad.png" << true;
        QTest::newRow("ico") << "pad.ico" << true;
        QTest::newRow("svg") << "pad.svg" << true;
        QTest::newRow("ico that is no picture") << "broken.ico" << false;
        QTest::newRow("exe: its type's theme icon") << "tool.exe" << true;
        QTest::newRow("vlz: its type's icon, not the theme's") << "notes.vlz" << true;
        QTest::newRow("missing file") << "gone.png" << false;
    }

    void picturesOfFiles() {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QCOMPARE(!GetAssociatedIcon(file(name.toLatin1())).isNull(), picture);
    }

    // One picture: a configuration file looks like the type's icon file that "IconPath" names.
    void configurationFileShowsTheTypeIcon() {
        const QIcon typeIcon = GetAssociatedIcon(shippedTypeIcon());
        const QIcon configuration = GetAssociatedIcon(file("notes.vlz"));
        for (const int size : {16, 20, 35, 48}) {
            QCOMPARE(configuration.pixmap(size).toImage(), typeIcon.pixmap(size).toImage());
        }
    }

    // A closed entry's picture changes in the list only; a configuration file is a picture too;
    // a cancelled dialog changes nothing.
    void changeIconOfAClosedEntry() {
        EditorSession session;
        session.list.add(ListEntry{"file2", "b.vlz", state::Listed, true, 0, "/old/b.ico"});
        session.list.select("file2");
        MemoryStore store;
        testing::ScriptedBoxes boxes;
        testing::ScriptedDialogs dialogs;
        dialogs.answers = {std::nullopt};
        QVERIFY(!icon_click(session, dialogs, boxes, store));
        QCOMPARE(session.list.find("file2")->iconPath, std::string("/old/b.ico"));

        const std::string chosen = file("notes.vlz").toStdString();
        dialogs.answers = {chosen};
        const std::optional<IconChange> change = icon_click(session, dialogs, boxes, store);
        QVERIFY(change && !change->picture.isNull());
        QVERIFY(!change->tabShown);
        QCOMPARE(store.GetString(Root::CurrentUser, settings::userEntryPath("file2"), "icon path"),
                 chosen);
        QCOMPARE(session.list.find("file2")->iconPath, chosen);
        QVERIFY(boxes.shown.empty());
    }
};

VELLORAN_GUI_TEST(IconClickTest);
#include "icon_click_test.moc"
