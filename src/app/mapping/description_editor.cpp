#include "mapping/description_editor.h"

#include "base/ole_colour.h"

namespace velloran {
namespace {

constexpr int kOffsetTwips = 50;
constexpr int kWidthTwips = 3300;

}  // namespace

DescriptionEditorGeometry descriptionEditorGeometry(const QRect& table, int rowTop, int rowHeight,
                                                    int dpiX, int dpiY) {
    const int offsetX = twipsToPixels(kOffsetTwips, dpiX);
    const int offsetY = twipsToPixels(kOffsetTwips, dpiY);
    const int width = twipsToPixels(kWidthTwips, dpiX);
    const QPoint anchor(table.left() + table.width() / 2, table.top() + rowTop);
    const QSize size(width, rowHeight);
    return {QRect(anchor - QPoint(offsetX, offsetY), size),
            QRect(anchor + QPoint(offsetX, offsetY), size)};
}

DescriptionEditor::DescriptionEditor(QWidget* parent)
    : textEdit_(new QLineEdit(parent)), shadowBox_(new QFrame(parent)) {
    textEdit_->setObjectName(QStringLiteral("TextEdit"));
    shadowBox_->setObjectName(QStringLiteral("ShadowBox"));
    shadowBox_->setAutoFillBackground(true);
    QPalette shadow = shadowBox_->palette();
    shadow.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40, 0xA0));
    shadowBox_->setPalette(shadow);
    textEdit_->setFrame(true);
    hide();
}

void DescriptionEditor::showAt(const QRect& table, int rowTop, int rowHeight, const QString& text) {
    const DescriptionEditorGeometry g = descriptionEditorGeometry(
        table, rowTop, rowHeight, textEdit_->logicalDpiX(), textEdit_->logicalDpiY());
    shadowBox_->setGeometry(g.shadow);
    textEdit_->setGeometry(g.editor);
    textEdit_->setText(text);
    shadowBox_->show();
    textEdit_->show();
    shadowBox_->raise();
    textEdit_->raise();
    textEdit_->setFocus();
}

void DescriptionEditor::hide() {
    textEdit_->hide();
    shadowBox_->hide();
}

}  // namespace velloran
