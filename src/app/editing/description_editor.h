#pragma once
// The floating editor of a row's "Description": the text box TextEdit over its drop shadow
// ShadowBox, both hidden until a description is edited. Leaving the box (Enter or the focus
// going elsewhere) hands its text over; Esc leaves it without a change.
#include <QFrame>
#include <QLineEdit>
#include <QObject>
#include <QRect>

namespace velloran {

struct DescriptionEditorGeometry {
    QRect editor;
    QRect shadow;
};

// Geometry over the "Description" cell `cell` (in the editor's parent coordinates), wherever
// scrolling has put it: the editor starts 50 twips left of and above the cell, is 3300 twips
// wide (or the cell's width, when wider) and as high as the cell; the shadow is the same size,
// 50 twips right of and below the cell's corner.
DescriptionEditorGeometry descriptionEditorGeometry(const QRect& cell, int dpiX, int dpiY);

class DescriptionEditor : public QObject {
    Q_OBJECT
public:
    // Creates TextEdit and ShadowBox as hidden children of `parent`.
    explicit DescriptionEditor(QWidget* parent);

    QLineEdit* textEdit() const { return textEdit_; }
    QFrame* shadowBox() const { return shadowBox_; }
    bool editing() const { return editing_; }

    // Shows `text` in the editor over the cell, the shadow behind it, and gives the editor the
    // focus.
    void showAt(const QRect& cell, const QString& text);
    // The cell moved (the table scrolled or changed size): the editor follows it.
    void moveTo(const QRect& cell);

signals:
    // The edit ended with this text; the editor is hidden by then.
    void committed(const QString& text);
    // Esc ended the edit without storing anything.
    void cancelled();

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
