// The About box, the splash screen, the Description editor's geometry, the file-dialog filters
// and the message boxes' buttons and answers.
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "base/file_filter.h"
#include "base/qt_message_boxes.h"
#include "editing/description_editor.h"
#include "gui_test_main.h"
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
    void aboutOpensTheSupportLink() {
        AboutDialog about(nullptr);
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.4.9 Beta"));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        emit about.findChild<QLabel*>("Label1")->linkActivated("mail");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls,
                 QList<QUrl>{QUrl("mailto:support@velloran.invalid?subject=Velloran")});
        about.show();
        about.findChild<QPushButton*>("cmdOK")->click();
        QVERIFY(!about.isVisible());
    }

    void splashClosesOnAKeyOrByItself() {
        SplashWindow splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Space);
        QVERIFY(!splash.isVisible());
        SplashWindow left;
        left.show();
        QTRY_VERIFY_WITH_TIMEOUT(!left.isVisible(), SplashWindow::kShowMs + 1000);
    }

    // Return is driven in the window's own tests; the placement and leaving the box by the focus
    // are seen here.
    void descriptionEditorSitsOverTheRowAndHandsItsTextOver() {
        // At 96 dpi: 50 twips are 3 pixels, 3300 twips 220.
        const DescriptionEditorGeometry g =
            descriptionEditorGeometry(QRect(410, 60, 100, 22), 96, 96);
        QCOMPARE(g.editor, QRect(407, 57, 220, 22));
        QCOMPARE(g.shadow, QRect(413, 63, 220, 22));

        QWidget parent;
        DescriptionEditor editor(&parent);
        QStringList committed;
        connect(&editor, &DescriptionEditor::committed, [&](const QString& t) { committed << t; });
        auto* other = new QLineEdit(&parent);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        editor.showAt(QRect(300, 50, 100, 20), "Gear");
        QVERIFY(editor.shadowBox()->isVisible());
        editor.textEdit()->insert("\"x\"");  // pasted quotes are replaced too
        other->setFocus();
        QTRY_COMPARE(committed, QStringList{"Gear'x'"});
        QVERIFY(!editor.textEdit()->isVisible());
    }

    void fileFiltersBecomeQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("selected");
        QTest::newRow("two patterns, the second chosen")
            << "All Files (*.*)|*.*|Icon Files (*.ico, *.bmp)|*.ico;*.bmp" << 2
            << QStringList{"All Files (*)", "Icon Files (*.ico *.bmp)"}
            << "Icon Files (*.ico *.bmp)";
        QTest::newRow("label without parentheses, index out of range")
            << "Text|*.txt" << 3 << QStringList{"Text (*.txt)"} << QString();
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

VELLORAN_GUI_TEST(DialogsTest);
#include "dialogs_test.moc"
