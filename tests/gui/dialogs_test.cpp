// The About box, the splash screen, the Description editor's geometry, the file-dialog filters
// and the message boxes' buttons and answers.
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "base/file_filter.h"
#include "base/qt_message_boxes.h"
#include "editing/description_editor.h"
#include "settings/about_dialog.h"
#include "shell/splash_window.h"

using namespace velloran;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsTitleVersionAndSupportLink() {
        AboutDialog about(nullptr);
        QCOMPARE(about.windowTitle(), QString("About Velloran"));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QString("Velloran"));
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.4.9 Beta"));
        QVERIFY(!about.findChild<QLabel*>("lblDescription")->text().isEmpty());
        auto* disclaimer = about.findChild<QPlainTextEdit*>("Text1");
        QVERIFY(disclaimer->isReadOnly());
        QVERIFY(!disclaimer->toPlainText().isEmpty());

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        auto* link = about.findChild<QLabel*>("Label1");
        QVERIFY(link->text().contains("support@velloran.invalid"));
        emit link->linkActivated("mail");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls,
                 QList<QUrl>{QUrl("mailto:support@velloran.invalid?subject=Velloran")});

        about.show();
        about.findChild<QPushButton*>("cmdOK")->click();
        QVERIFY(!about.isVisible());
    }

    void splashShowsVersionAndClosesOnAKey() {
        SplashWindow splash;
        QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.4.9 Beta"));
        QCOMPARE(splash.findChild<QLabel*>("lblProductName")->text(), QString("Velloran"));
        QCOMPARE(splash.findChild<QLabel*>("lblProductNameShadow")->text(), QString("Velloran"));
        QCOMPARE(splash.findChild<QLabel*>("lblCompany")->text(), QString("Orvane"));
        QCOMPARE(splash.findChild<QLabel*>("lblPlatform")->text(), QString("Linux"));
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Space);
        QVERIFY(!splash.isVisible());
    }

    void splashClosesByItself() {
        SplashWindow splash;
        splash.show();
        QTest::qWait(SplashWindow::kShowMs - 500);
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 1500);
    }

    void descriptionEditorSitsOverTheRow() {
        // At 96 dpi: 50 twips are 3 pixels, 3300 twips 220.
        const DescriptionEditorGeometry g =
            descriptionEditorGeometry(QRect(410, 60, 100, 22), 96, 96);
        QCOMPARE(g.editor, QRect(407, 57, 220, 22));
        QCOMPARE(g.shadow, QRect(413, 63, 220, 22));
        const DescriptionEditorGeometry hi =
            descriptionEditorGeometry(QRect(500, 100, 600, 30), 192, 144);
        QCOMPARE(hi.editor, QRect(493, 95, 600, 30));
        QCOMPARE(hi.shadow, QRect(507, 105, 600, 30));

        QWidget parent;
        DescriptionEditor editor(&parent);
        QStringList committed;
        connect(&editor, &DescriptionEditor::committed, [&](const QString& t) { committed << t; });
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        editor.showAt(QRect(300, 50, 100, 20), "Fire");
        QVERIFY(editor.textEdit()->isVisible());
        QVERIFY(editor.shadowBox()->isVisible());
        QCOMPARE(editor.textEdit()->text(), QString("Fire"));
        QCOMPARE(editor.textEdit()->height(), 20);

        // A double quote is typed as an apostrophe; Enter hands the text over and hides the box.
        QTest::keyClicks(editor.textEdit(), " \"A\"");
        QCOMPARE(editor.textEdit()->text(), QString("Fire 'A'"));
        QTest::keyClick(editor.textEdit(), Qt::Key_Return);
        QCOMPARE(committed, QStringList{"Fire 'A'"});
        QVERIFY(!editor.textEdit()->isVisible());
        QVERIFY(!editor.shadowBox()->isVisible());

        // Leaving the box by the focus hands the text over too, pasted quotes included.
        auto* other = new QLineEdit(&parent);
        other->show();
        editor.showAt(QRect(300, 50, 100, 20), "Gear");
        editor.textEdit()->insert("\"x\"");
        other->setFocus();
        QTRY_COMPARE(committed, (QStringList{"Fire 'A'", "Gear'x'"}));
        QVERIFY(!editor.textEdit()->isVisible());
    }

    void fileFiltersBecomeQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("selected");
        QTest::newRow("configurations")
            << "All Files (*.*)|*.*|Velloran Files (*.vlz)|*.vlz" << 2
            << QStringList{"All Files (*)", "Velloran Files (*.vlz)"} << "Velloran Files (*.vlz)";
        QTest::newRow("icons") << "All Files (*.*)|*.*|Icon Files (*.exe, *.dll, *.ico, *.bmp, "
                                  "*.vlz)|*.exe;*.dll;*.ico;*.bmp;*.vlz"
                               << 1
                               << QStringList{"All Files (*)",
                                              "Icon Files (*.exe *.dll *.ico *.bmp *.vlz)"}
                               << "All Files (*)";
        QTest::newRow("label without parentheses, index out of range")
            << "Text|*.txt" << 3 << QStringList{"Text (*.txt)"} << QString();
        QTest::newRow("label without patterns")
            << "Anything" << 1 << QStringList{"Anything (*)"} << "Anything (*)";
        QTest::newRow("empty") << "" << 1 << QStringList{} << QString();
    }

    void fileFiltersBecomeQtNameFilters() {
        QFETCH(QString, filter);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        QFETCH(QString, selected);
        const QtFileFilter f = toQtFilter(filter.toStdString(), index);
        QCOMPARE(f.nameFilters, expected);
        QCOMPARE(f.selected, selected);
    }

    void messageBoxesAnswerWithTheButtonPressed_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(Buttons::Ok) << int(QMessageBox::Ok) << int(Answer::Ok);
        QTest::newRow("yes") << int(Buttons::YesNo) << int(QMessageBox::Yes) << int(Answer::Yes);
        QTest::newRow("no") << int(Buttons::YesNo) << int(QMessageBox::No) << int(Answer::No);
        QTest::newRow("cancel") << int(Buttons::YesNoCancel) << int(QMessageBox::Cancel)
                                << int(Answer::Cancel);
    }

    void messageBoxesAnswerWithTheButtonPressed() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
        });
        QtMessageBoxes boxes;
        const Answer got = boxes.ask(Icon::Exclamation, "Confirm Close", "Line one\r\n\r\nLine two",
                                     static_cast<Buttons>(buttons));
        QCOMPARE(int(got), answer);
        QCOMPARE(text, QString("Line one\n\nLine two"));
        QCOMPARE(icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
