#include "editing/description_editor.h"

#include <QKeyEvent>
#include <algorithm>

#include "base/ole_colour.h"
#include "editing/table_editing_description.h"

namespace velloran {
namespace {

constexpr int kOffsetTwips = 50;
constexpr int kWidthTwips = 3300;

}  // namespace

DescriptionEditorGeometry descriptionEditorGeometry(const QRect& cell, int dpiX, int dpiY) {
    const int offsetX = twipsToPixels(kOffsetTwips, dpiX);
    const int offsetY = twipsToPixels(kOffsetTwips, dpiY);
    const int width = std::max(twipsToPixels(kWidthTwips, dpiX), cell.width());
    const QPoint anchor = cell.topLeft();
    const QSize size(width, cell.height());
    return {QRect(anchor - QPoint(offsetX, offsetY), size),
            QRect(anchor + QPoint(offsetX, offsetY), size)};
}

DescriptionEditor::DescriptionEditor(QWidget* parent)
    : QObject(parent), textEdit_(new QLineEdit(parent)), shadowBox_(new QFrame(parent)) {
    textEdit_->setObjectName(QStringLiteral("TextEdit"));
    shadowBox_->setObjectName(QStringLiteral("ShadowBox"));
    shadowBox_->setAutoFillBackground(true);
    QPalette shadow = shadowBox_->palette();
    shadow.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40, 0xA0));
    shadowBox_->setPalette(shadow);
    textEdit_->setFrame(true);
    textEdit_->installEventFilter(this);
    hide();
}

void DescriptionEditor::showAt(const QRect& cell, const QString& text) {
    moveTo(cell);
    textEdit_->setText(text);
    shadowBox_->show();
    textEdit_->show();
    shadowBox_->raise();
    textEdit_->raise();
    editing_ = true;
    textEdit_->setFocus();
}

void DescriptionEditor::moveTo(const QRect& cell) {
    const DescriptionEditorGeometry g =
        descriptionEditorGeometry(cell, textEdit_->logicalDpiX(), textEdit_->logicalDpiY());
    shadowBox_->setGeometry(g.shadow);
    textEdit_->setGeometry(g.editor);
}

bool DescriptionEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != textEdit_ || !editing_) return false;
    if (event->type() == QEvent::FocusOut) {
        // Another program's window taking the keyboard is no end of the edit.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) commit();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        commit();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        editing_ = false;
        hide();
        emit cancelled();
        return true;
    }
    const QString typed = key->text();
    if (typed.size() != 1) return false;
    const DescriptionKey filtered = filterDescriptionKey(typed.at(0).unicode());
    if (filtered.character == typed.at(0).unicode()) return false;
    textEdit_->insert(QString(QChar(static_cast<char16_t>(filtered.character))));
    return true;
}

void DescriptionEditor::commit() {
    if (!editing_) return;
    editing_ = false;
    // Pasted text never went through the key filter.
    const QString text = textEdit_->text().replace(QLatin1Char('"'), QLatin1Char('\''));
    hide();
    emit committed(text);
}

void DescriptionEditor::hide() {
    textEdit_->hide();
    shadowBox_->hide();
}

}  // namespace velloran
