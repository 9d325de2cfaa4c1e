// The configuration picture in the real main window: a loaded configuration and a New one (whose
// icon is the type's icon file that "IconPath" names) show one picture. Which files Change Icon
// takes is icon_click_test's.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "gui_test_main.h"
#include "editor_fixture.h"

using namespace velloran;

class ConfigurationIconsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Editor> editor;

    QImage listPicture(const std::string& key) const {
        const QListWidgetItem* item =
            editor->window->controls().listView1->itemByKey(QString::fromStdString(key));
        return item->icon().pixmap(32).toImage();
    }

    // Loads a configuration file into the started editor; its key.
    std::string load() {
        const QString file = editor->dir.filePath(QStringLiteral("pad.vlz"));
        QFile::copy(VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz", file);
        editor->dialogs.answers = {file.toStdString()};
        editor->action("BTload")->trigger();
        return editor->window->session().currentKey;
    }

private slots:
    void init() {
        editor = std::make_unique<testing::Editor>();
        // The type's icon where the package puts it below the install's data folder.
        const QString typeIcon = QString::fromStdString(editor->paths().defaultIcon());
        QVERIFY(QDir().mkpath(QFileInfo(typeIcon).path()));
        QVERIFY(QFile::copy(VELLORAN_SOURCE_DIR "/packaging/icons/application-vl-config.svg",
                            typeIcon));
    }
    void cleanup() { editor.reset(); }

    void loadedAndNewConfigurationsShowOnePicture() {
        MainWindow& w = editor->start();
        const std::string loaded = load();
        const QImage typePicture = listPicture(loaded);
        QVERIFY(!typePicture.isNull());

        editor->action("BTnew")->trigger();
        const std::string created = w.session().currentKey;
        QCOMPARE(w.session().list.find(created)->iconPath, editor->paths().defaultIcon());
        QCOMPARE(listPicture(created), typePicture);
    }
};

VELLORAN_GUI_TEST(ConfigurationIconsTest);
#include "configuration_icons_test.moc"
