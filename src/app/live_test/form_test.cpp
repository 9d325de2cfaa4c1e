#include "live_test/form_test.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "base/message_box.h"
#include "editing/qt_virtual_keys.h"

namespace velloran {
namespace {

// Text1 keeps carriage return and line feed between lines; the box shows plain line breaks.
QString shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QString::fromLatin1(kCrLf.data(), static_cast<qsizetype>(kCrLf.size())),
              QStringLiteral("\n"));
    return s;
}

}  // namespace

FormTest::FormTest(Hooks hooks, QString mirrorPath, QWidget* parent)
    : QWidget(parent, Qt::Window),
      hooks_(std::move(hooks)),
      mirrorPath_(std::move(mirrorPath)),
      layoutLine_(new QLabel(this)),
      text1_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FormTest"));
    setWindowTitle(QStringLiteral("Test Output Window"));
    setAttribute(Qt::WA_DeleteOnClose);

    layoutLine_->setObjectName(QStringLiteral("LayoutLine"));
    layoutLine_->hide();
    text1_->setObjectName(QStringLiteral("Text1"));
    // Keys typed here are listed by the decoder, never inserted as they are.
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* clear = new QPushButton(QStringLiteral("Clear"), this);
    clear->setObjectName(QStringLiteral("CmdClear"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CmdClose"));
    connect(clear, &QPushButton::clicked, this, [this] { setText({}); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(clear);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(layoutLine_);
    layout->addWidget(text1_, 1);
    layout->addLayout(buttons);
    for (QWidget* child : {static_cast<QWidget*>(text1_), static_cast<QWidget*>(clear),
                           static_cast<QWidget*>(close)}) {
        child->installEventFilter(this);
    }
    resize(320, 260);
    mirror();
}

void FormTest::setLayoutLine(const std::string& line) {
    layoutLine_->setText(QString::fromStdString(line));
    layoutLine_->setVisible(!line.empty());
}

void FormTest::setText(std::string text) {
    text_ = std::move(text);
    text1_->setPlainText(shown(text_));
    text1_->setFocus();
    text1_->moveCursor(QTextCursor::End);
    text1_->ensureCursorVisible();
    mirror();
}

bool FormTest::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        keyDown(static_cast<const QKeyEvent&>(*event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FormTest::keyPressEvent(QKeyEvent* event) {
    keyDown(*event);
}

void FormTest::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Not while painting: the window closes once the paint is done.
    if (!hooks_.testing()) QTimer::singleShot(0, this, &FormTest::closeUnlessTesting);
}

void FormTest::keyDown(const QKeyEvent& event) {
    if (!hooks_.testing()) {
        close();
        return;
    }
    hooks_.keyDown(virtualKeyOf(event), modifierMask(event.modifiers()));
}

void FormTest::closeUnlessTesting() {
    if (!hooks_.testing()) close();
}

void FormTest::mirror() const {
    if (mirrorPath_.isEmpty()) return;
    QFile file(mirrorPath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    QByteArray bytes = shown(text_).toUtf8();
    if (!bytes.isEmpty()) bytes.append('\n');
    file.write(bytes);
}

}  // namespace velloran
