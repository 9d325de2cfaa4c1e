// The dialogs and small windows outside the main window: About, the splash screen, the
// Description editor, the message boxes and file filters, Preferences (formOptions) on an
// in-memory store, and Change Icon with the files that give a configuration its picture.
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "base/file_filter.h"
#include "base/qt_message_boxes.h"
#include "common/boxes.h"
#include "common/dialogs.h"
#include "editing/description_editor.h"
#include "gui_test_main.h"
#include "settings/about_dialog.h"
#include "settings/icon_click.h"
#include "settings/icon_lookup.h"
#include "settings/memory_store.h"
#include "settings/preferences_dialog.h"
#include "settings/settings_names.h"
#include "shell/splash_window.h"

using namespace velloran;

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QList<QUrl> opened_;

public slots:
    void open(const QUrl& url) { opened_ << url; }  // the desktop's handler of mailto links

private slots:
    void aboutBoxAndSplashScreen() {
        AboutDialog about(nullptr);
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.4.9 Beta"));
        QDesktopServices::setUrlHandler("mailto", this, "open");
        emit about.findChild<QLabel*>("Label1")->linkActivated("mail");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(opened_, QList<QUrl>{QUrl("mailto:support@velloran.invalid?subject=Velloran")});

        // The splash screen closes on a key, or by itself.
        SplashWindow splash, left;
        splash.show();
        left.show();
        QTest::keyClick(&splash, Qt::Key_Space);
        QVERIFY(!splash.isVisible() && left.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!left.isVisible(), SplashWindow::kShowMs + 1000);
    }

    // Over its cell, 50 twips (3 pixels at 96 dpi) up and left, 3300 twips wide; the focus
    // leaving the box hands its text over.
    void descriptionEditorSitsOverTheRowAndHandsItsTextOver() {
        QCOMPARE(descriptionEditorGeometry(QRect(410, 60, 100, 22), 96, 96).editor,
                 QRect(407, 57, 220, 22));
        QWidget parent;
        DescriptionEditor editor(&parent);
        QStringList committed;
        connect(&editor, &DescriptionEditor::committed, [&](const QString& t) { committed << t; });
        auto* other = new QLineEdit(&parent);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        editor.showAt(QRect(300, 50, 100, 20), "Gear");
        QVERIFY(editor.shadowBox()->isVisible());
        other->setFocus();
        QTRY_COMPARE(committed, QStringList{"Gear"});
        QVERIFY(!editor.textEdit()->isVisible());
    }

    // Message texts break at line feeds; file filters become Qt name filters.
    void messageBoxesAndFileFilters() {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(QtMessageBoxes().ask(Icon::Exclamation, "Confirm Close", "One\r\n\r\nTwo",
                                      Buttons::YesNoCancel),
                 Answer::No);
        QCOMPARE(text, QString("One\n\nTwo"));
        QCOMPARE(icon, QMessageBox::Warning);

        const QtFileFilter two = toQtFilter("All (*.*)|*.*|Icons (*.ico, *.bmp)|*.ico;*.bmp", 2);
        QCOMPARE(two.nameFilters, QStringList({"All (*)", "Icons (*.ico *.bmp)"}));
        QCOMPARE(two.selected, QString("Icons (*.ico *.bmp)"));
        const QtFileFilter bare = toQtFilter("Text|*.txt", 3);  // index out of range
        QCOMPARE(bare.nameFilters, QStringList{"Text (*.txt)"});
        QCOMPARE(bare.selected, QString());
    }

    // Their texts are applied by the window's own test; here the widgets' wiring.
    void preferencesReachTheStoreOnApplyAndNotOnCancel() {
        MemoryStore store;
        struct : FileAssociation {
            void reg_vlz(bool) override {}
        } association;
        QStringList browsed{"", "/media/pads"};  // cancelled, then chosen
        PreferencesDialog dialog(nullptr, store, association, "/home/u/config/",
                                 [&](QWidget*, const QString&) { return browsed.takeFirst(); });
        const auto button = [&](const char* name) { return dialog.findChild<QPushButton*>(name); };
        dialog.show();
        // From the defaults (hold 0, rotary 35): the scroll bars have their largest value on top.
        dialog.findChild<QScrollBar*>("VScrollHold")->triggerAction(QScrollBar::SliderToMinimum);
        dialog.findChild<QScrollBar*>("VScrollRotary")
            ->triggerAction(QScrollBar::SliderSingleStepAdd);
        QCOMPARE(dialog.findChild<QLineEdit*>("TextHold")->text(), QString("500"));
        QCOMPARE(dialog.findChild<QLineEdit*>("TextRotary")->text(), QString("30"));
        QVERIFY(button("cmdApply")->isEnabled() && button("cmdOK")->isEnabled());
        button("ComBrowse")->click();
        QCOMPARE(dialog.findChild<QLineEdit*>("Text1")->text(), QString("/home/u/config/"));
        button("ComBrowse")->click();
        button("cmdCancel")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(store.GetString(Root::CurrentUser, kConfigKey, "KeyHold"), std::string("0"));

        dialog.show();
        button("cmdApply")->click();
        QCOMPARE(store.GetString(Root::CurrentUser, kConfigKey, "KeyHold"), std::string("500"));
        QCOMPARE(store.GetString(Root::CurrentUser, kConfigKey, "ConfigPath"),
                 std::string("/media/pads/"));
        QVERIFY(!button("cmdApply")->isEnabled() && button("cmdOK")->isEnabled());
        QVERIFY(!button("cmdCancel")->isEnabled());
        dialog.findChild<QCheckBox*>("Check3")->click();
        QVERIFY(button("cmdApply")->isEnabled());
    }

    void changeIconTakesFilesWithAPicture() {
        // A configuration file shows its type's icon; an .ico that is no picture shows none.
        QFile ico(dir_.filePath("broken.ico"));
        QVERIFY(ico.open(QIODevice::WriteOnly) && ico.write("not an icon") > 0);
        ico.close();
        QVERIFY(GetAssociatedIcon(ico.fileName()).isNull());
        // Another type shows its type's generic icon from the themes (here from their fallback
        // folder, which Qt searches once a theme is named).
        QVERIFY(ico.copy(dir_.filePath("tool.exe")));
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(dir_.filePath("tool.exe"));
        QVERIFY(picture.save(dir_.filePath(type.genericIconName() + ".png")));
        QIcon::setFallbackSearchPaths({dir_.path()});
        QIcon::setThemeName("none here");
        QVERIFY(!GetAssociatedIcon(dir_.filePath("tool.exe")).isNull());

        // A closed entry's picture changes in the list only; a cancelled dialog changes nothing.
        EditorSession session;
        session.list.add(ListEntry{"file2", "b.vlz", state::Listed, true, 0, "/old/b.ico"});
        session.list.select("file2");
        MemoryStore store;
        testing::ScriptedBoxes boxes;
        testing::ScriptedDialogs dialogs;
        const std::string chosen = VELLORAN_SOURCE_DIR "/tests/data/demo_pad_shift_a.vlz";
        dialogs.answers = {std::nullopt, chosen};
        QVERIFY(!icon_click(session, dialogs, boxes, store));
        QCOMPARE(session.list.find("file2")->iconPath, std::string("/old/b.ico"));
        const std::optional<IconChange> change = icon_click(session, dialogs, boxes, store);
        QVERIFY(change && !change->picture.isNull() && !change->tabShown);
        QCOMPARE(store.GetString(Root::CurrentUser, settings::userEntryPath("file2"), "icon path"),
                 chosen);
        QCOMPARE(session.list.find("file2")->iconPath, chosen);
    }
};

VELLORAN_GUI_TEST(DialogsTest);
#include "dialogs_test.moc"
