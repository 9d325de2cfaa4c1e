#pragma once
// The floating editor of a row's "Description": the text box TextEdit over its drop shadow
// ShadowBox, both hidden until a description is edited. Leaving the box (Enter or the focus
// going elsewhere) hands its text over; there is no cancel.
#include <QFrame>
#include <QLineEdit>
#include <QObject>
#include <QRect>

namespace velloran {

struct DescriptionEditorGeometry {
    QRect editor;
    QRect shadow;
};

// Geometry over a table occupying `table` (in the editor's parent coordinates) for a row whose
// top is `rowTop` within the table and whose height is `rowHeight`: the editor starts 50 twips
// left of the table's middle and 50 twips above the row, is 3300 twips wide and as high as the
// row; the shadow is the same size, 50 twips right of the middle and 50 twips below the row top.
DescriptionEditorGeometry descriptionEditorGeometry(const QRect& table, int rowTop, int rowHeight,
                                                    int dpiX, int dpiY);

class DescriptionEditor : public QObject {
    Q_OBJECT
public:
    // Creates TextEdit and ShadowBox as hidden children of `parent`.
    explicit DescriptionEditor(QWidget* parent);

    QLineEdit* textEdit() const { return textEdit_; }
    QFrame* shadowBox() const { return shadowBox_; }
    bool editing() const { return editing_; }

    // Shows `text` in the editor over the given table and row, the shadow behind it, and gives
    // the editor the focus.
    void showAt(const QRect& table, int rowTop, int rowHeight, const QString& text);

signals:
    // The edit ended with this text; the editor is hidden by then.
    void committed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commit();
    void hide();

    QLineEdit* textEdit_;
    QFrame* shadowBox_;
    bool editing_ = false;
};

}  // namespace velloran
