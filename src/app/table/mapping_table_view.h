#pragma once
// ListView3: the one view of the Mapping tables. Its model shows whichever table is current;
// column widths are measured when the content changes, never on a resize. The view selects
// nothing by itself: the row colours show the table's selection, and mouse events are reported
// with the cell they hit for the editing rules to act on.
#include <QPointer>
#include <QTableView>

#include "table/mapping_table_model.h"

namespace velloran {

class MappingTableView : public QTableView {
    Q_OBJECT
public:
    explicit MappingTableView(QWidget* parent);

    // Shows `model`'s table: its rows, background, enabled state and fitted columns.
    void showModel(MappingTableModel* model);
    MappingTableModel* tableModel() const { return model_.data(); }

    // No column is ever narrower than this (1700 twips), whatever fits or resizes it.
    int minColumnWidth() const;

    // The 0-based row and the column at a point of the viewport; row -1 beside every row.
    struct Hit {
        int row = -1;
        int column = 0;
    };
    Hit hitAt(const QPoint& viewportPos) const;

    // The top of `row` and its height, in the view's own coordinates.
    QRect rowRect(int row) const;
    // The cell's rectangle in the view's own coordinates.
    QRect cellRect(int row, int column) const;

    // Moves the keyboard's cell there and scrolls it into view.
    void setCurrentCell(const Hit& cell);
    Hit currentCell() const;

signals:
    void mousePressed(Qt::MouseButton button, const MappingTableView::Hit& hit);
    void mouseReleased(Qt::MouseButton button, const MappingTableView::Hit& hit);
    void mouseDoubleClicked();
    void deleteReleased();
    // The keyboard's cell: a navigation key reached `to` (the view moves there only when told
    // to with setCurrentCell); Space, Enter or F2 on a cell; Shift+F10 or the Menu key.
    void keyMoved(const MappingTableView::Hit& to);
    void keyActivated(const MappingTableView::Hit& at);
    void keyMenu(const MappingTableView::Hit& at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The table's background and enabled state.
    void refreshLook();
    // Each column as wide as its widest cell or its header, and at least 1700 twips.
    void fitColumns();

    QPointer<MappingTableModel> model_;
    QMetaObject::Connection contentConnection_;
    bool fitPending_ = false;
};

}  // namespace velloran
