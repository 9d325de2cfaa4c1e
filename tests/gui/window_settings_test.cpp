// The settings commands of the real main window: Options through formOptions, Change Icon with
// its pictures in the Configuration list and on the tab, and the file-type association that
// start-up installs into, or removes from, the test's own XDG data folder.
#include <QCheckBox>
#include <QFileInfo>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "editor_fixture.h"
#include "gui_test_main.h"
#include "modal_script.h"
#include "settings/association_files.h"
#include "settings/preferences_dialog.h"
#include "settings/settings_names.h"

using namespace velloran;
using velloran::testing::ModalScript;

namespace {

QAction* mainMenuItem(const MainWindow& w, const char* name) {
    return w.menuBar()->findChild<QAction*>(QString::fromLatin1(name));
}

// The colour in the middle of an icon drawn at `size`.
QColor centreOf(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().pixelColor(size / 2, size / 2);
}

void writePicture(const QString& path, Qt::GlobalColor colour) {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "PNG"));
}

// Every file under `folder`, relative to it.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

}  // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Editor> editor;

    QString xdgDataHome() const { return editor->dir.filePath(QStringLiteral("xdg")); }
    QString temp(const char* name) const { return editor->dir.filePath(QString::fromLatin1(name)); }
    QString setting(const char* name) const {
        return QString::fromStdString(
            editor->store->GetString(Root::CurrentUser, kConfigKey, name));
    }
    bool associationInstalled() const {
        const QString data = xdgDataHome() + "/";
        return QFile::exists(data + association::kMimePackage) &&
               QFile::exists(data + association::kDesktopFile);
    }

private slots:
    void init() {
        editor = std::make_unique<testing::Editor>();
        QVERIFY(qgetenv("XDG_DATA_HOME") == xdgDataHome().toUtf8());
    }
    void cleanup() { editor.reset(); }

    void startInstallsTheAssociationByDefaultAndRemovesItWhenOff() {
        editor->start();
        QCOMPARE(setting(settings::kAssociate), QString("True"));
        QVERIFY(associationInstalled());

        editor->window.reset();
        editor->store->SaveString(Root::CurrentUser, kConfigKey, settings::kAssociate, "False");
        editor->start();
        QCOMPARE(filesUnder(xdgDataHome()), QStringList());
    }

    void optionsWritesTheSettingsAndPutsTheTimingsInForce() {
        MainWindow& w = editor->start();
        QVERIFY(associationInstalled());
        const QString pads = temp("pads");
        ModalScript<PreferencesDialog> script({[&pads](PreferencesDialog* dialog) {
            const auto type = [dialog](const char* box, const char* text) {
                auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(box));
                edit->selectAll();
                QTest::keyClicks(edit, text);
            };
            type("TextRepeat", "100");
            type("TextHold", "20");
            type("Text1", qPrintable(pads));
            dialog->findChild<QCheckBox*>(QStringLiteral("Check3"))->click();  // off
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        }});

        mainMenuItem(w, "MNoptions")->trigger();

        // What the dialog writes is its own test's; here: the window puts it in force.
        QVERIFY(script.done());
        QVERIFY(QFileInfo(temp("pads")).isDir());
        QCOMPARE(w.engineTimings(), (EngineTimings{0.1, 0.035, 20}));
        QCOMPARE(filesUnder(xdgDataHome()), QStringList());
    }

    void changeIconShowsThePictureInTheListAndOnTheTab() {
        MainWindow& w = editor->start();
        editor->action("BTnew")->trigger();
        editor->dialogs.answers = {temp("pads.vlz").toStdString()};
        editor->action("BTsaveas")->trigger();  // a configuration never saved has no icon
        const QString key = QString::fromStdString(w.session().currentKey);
        const auto listPicture = [&] {
            return centreOf(w.controls().listView1->itemByKey(key)->icon(), 32);
        };
        const auto tabPicture = [&] { return centreOf(w.controls().tabStrip1->tabIcon(0), 16); };

        const QString red = temp("red.png");
        writePicture(red, Qt::red);
        editor->dialogs.answers = {red.toStdString()};
        editor->action("BTicon")->trigger();
        QCOMPARE(listPicture(), QColor(Qt::red));
        QCOMPARE(tabPicture(), QColor(Qt::red));

        // A file without a picture changes nothing.
        editor->dialogs.answers = {temp("gone.png").toStdString()};
        w.menus().listMenu->findChild<QAction*>(QStringLiteral("MNicon"))->trigger();
        QCOMPARE(editor->boxes.shown.back().icon, Icon::Exclamation);
        QCOMPARE(editor->boxes.shown.back().title, std::string("Invalid Icon"));
        QCOMPARE(listPicture(), QColor(Qt::red));

        // The same file chosen again after it changed shows its new picture.
        writePicture(red, Qt::blue);
        editor->dialogs.answers = {red.toStdString()};
        mainMenuItem(w, "MNicon")->trigger();
        QCOMPARE(listPicture(), QColor(Qt::blue));
        QCOMPARE(tabPicture(), QColor(Qt::blue));
    }
};

VELLORAN_GUI_TEST(WindowSettingsTest);
#include "window_settings_test.moc"
