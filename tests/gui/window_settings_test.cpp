// The settings commands of the real main window: the file-type association that start-up and
// Options install into, or remove from, the test's own XDG data folder; the timings Options
// puts in force; the picture Change Icon shows.
#include <QCheckBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "editor_fixture.h"
#include "gui_test_main.h"
#include "modal_script.h"
#include "settings/preferences_dialog.h"

using namespace velloran;
using namespace velloran::testing;

namespace {

QColor centreOf(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().pixelColor(size / 2, size / 2);
}

}  // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    QStringList filesUnderXdg() const {
        QStringList files;
        QDirIterator it(editor->dir.filePath("xdg"), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
        return files;
    }

private slots:
    void init() { editor = std::make_unique<Editor>(); }
    void cleanup() { editor.reset(); }

    void associationFollowsStartAndOptionsWhichPutTheTimingsInForce() {
        MainWindow& w = editor->start();
        QVERIFY(!filesUnderXdg().isEmpty());  // installed by default
        const QString pads = QString::fromStdString(editor->temp("pads"));
        ModalScript<PreferencesDialog> script({[&pads](PreferencesDialog* dialog) {
            for (const auto& [box, text] : {std::pair{"TextRepeat", QString("100")},
                                            {"TextHold", QString("20")},
                                            {"Text1", pads}})
                dialog->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(text);
            dialog->findChild<QCheckBox*>(QStringLiteral("Check3"))->click();  // off
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        }});
        w.menuBar()->findChild<QAction*>("MNoptions")->trigger();
        QVERIFY(script.done());
        QVERIFY(QFileInfo(pads).isDir());
        QCOMPARE(w.engineTimings(), (EngineTimings{0.1, 0.035, 20}));
        QCOMPARE(filesUnderXdg(), QStringList());
        editor->window.reset();
        editor->start();  // the setting off: start-up installs nothing
        QCOMPARE(filesUnderXdg(), QStringList());
    }

    // Change Icon shows the file chosen in the list and on the tab, again after it changed.
    void changeIconShowsThePictureChosen() {
        MainWindow& w = editor->start(padInventory(), editor->write("pad.vlz", {{1, "A"}}));
        const QString picture = QString::fromStdString(editor->temp("red.png"));
        for (const Qt::GlobalColor colour : {Qt::red, Qt::blue}) {
            QImage image(32, 32, QImage::Format_ARGB32);
            image.fill(colour);
            QVERIFY(image.save(picture, "PNG"));
            editor->dialogs.answers = {picture.toStdString()};
            editor->action("BTicon")->trigger();
            QCOMPARE(centreOf(w.controls().listView1->item(0)->icon(), 32), QColor(colour));
            QCOMPARE(centreOf(w.controls().tabStrip1->tabIcon(0), 16), QColor(colour));
        }
        // A file without a picture changes nothing.
        editor->dialogs.answers = {editor->temp("gone.png")};
        editor->action("BTicon")->trigger();
        QCOMPARE(editor->boxes.shown.back().icon, Icon::Exclamation);
        QCOMPARE(editor->boxes.shown.back().title, std::string("Invalid Icon"));
        QCOMPARE(centreOf(w.controls().listView1->item(0)->icon(), 32), QColor(Qt::blue));
    }
};

VELLORAN_GUI_TEST(WindowSettingsTest);
#include "window_settings_test.moc"
