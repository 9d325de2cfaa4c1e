#include "table/mapping_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "base/ole_colour.h"
#include "table/init_listview.h"

namespace velloran {
namespace {

constexpr int kIconGap = 4;

}  // namespace

MappingTableView::MappingTableView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("ListView3"));
    // The core paints the selected row through its Tag colour; the view selects nothing.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The right button's menu is the editing rules' to open, on the press.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setIconSize(QSize(16, 16));
    // Tab leaves the table for the command buttons.
    setTabKeyNavigation(false);
    // A press sets the keyboard's cell; the view must not scroll under the pointer between the
    // press and the release, or the release lands in another column. Keys scroll explicitly.
    setAutoScroll(false);

    // Every row has the same height, so scrolling 4,096 rows never measures a row.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), 16) + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // Neither a fit nor a drag of a header edge leaves a column narrower.
    horizontalHeader()->setMinimumSectionSize(minColumnWidth());
}

int MappingTableView::minColumnWidth() const {
    return twipsToPixels(kMinColumnTwips, logicalDpiX());
}

void MappingTableView::showModel(MappingTableModel* model) {
    if (model == model_) return;
    disconnect(contentConnection_);
    QItemSelectionModel* oldSelection = selectionModel();
    model_ = model;
    setModel(model);
    delete oldSelection;  // setModel gives the view a new one and leaves the old to its owner
    if (model) {
        contentConnection_ = connect(model, &MappingTableModel::contentChanged, this, [this] {
            refreshLook();
            // Changes arrive in bursts (a whole row of steps cleared): fit once afterwards.
            if (fitPending_) return;
            fitPending_ = true;
            QTimer::singleShot(0, this, [this] {
                fitPending_ = false;
                fitColumns();
            });
        });
    }
    refreshLook();
    fitColumns();
}

void MappingTableView::refreshLook() {
    if (!model_) return;
    const MappingTable* table = model_->table();
    QPalette p = palette();
    p.setColor(QPalette::Base, oleColour(table ? table->background : colour::TemplateBackground));
    setPalette(p);
    setEnabled(table && table->enabled);
}

MappingTableView::Hit MappingTableView::hitAt(const QPoint& viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid()) return {};
    return {index.row(), index.column()};
}

QRect MappingTableView::rowRect(int row) const {
    const QPoint top = viewport()->mapTo(this, QPoint(0, rowViewportPosition(row)));
    return QRect(top, QSize(viewport()->width(), rowHeight(row)));
}

QRect MappingTableView::cellRect(int row, int column) const {
    const QRect r = visualRect(model_ ? model_->index(row, column) : QModelIndex());
    return QRect(viewport()->mapTo(this, r.topLeft()), r.size());
}

void MappingTableView::setCurrentCell(const Hit& cell) {
    if (!model_) return;
    const QModelIndex index = model_->index(cell.row, cell.column);
    if (!index.isValid()) return;
    setCurrentIndex(index);
    scrollTo(index);
}

MappingTableView::Hit MappingTableView::currentCell() const {
    const QModelIndex index = currentIndex();
    if (index.isValid()) return {index.row(), index.column()};
    // Before any choice the keyboard starts at the selected row's first cell.
    const MappingTable* table = model_ ? model_->table() : nullptr;
    if (!table || table->rowCount() == 0) return {};
    return {std::max(table->selected, 0), 0};
}

void MappingTableView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid()) setCurrentIndex(pressed);
    emit mousePressed(event->button(), hitAt(event->position().toPoint()));
}

void MappingTableView::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), hitAt(event->position().toPoint()));
}

void MappingTableView::mouseDoubleClickEvent(QMouseEvent*) {
    // The double click acts where the last release was.
    emit mouseDoubleClicked();
}

void MappingTableView::mouseMoveEvent(QMouseEvent*) {}

void MappingTableView::keyPressEvent(QKeyEvent* event) {
    // Keys never move through the table by themselves (no type-ahead search, and while
    // recording they are keys to record): the editing rules decide.
    event->accept();
    const Hit at = currentCell();
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && held == Qt::ShiftModifier)) {
        emit keyMenu(at);
        return;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
        (key == Qt::Key_F2 && at.column == col::Description)) {
        if (held == Qt::NoModifier) emit keyActivated(at);
        return;
    }
    std::optional<CursorAction> move;
    switch (key) {
        case Qt::Key_Up: move = MoveUp; break;
        case Qt::Key_Down: move = MoveDown; break;
        case Qt::Key_Left: move = MoveLeft; break;
        case Qt::Key_Right: move = MoveRight; break;
        case Qt::Key_Home: move = MoveHome; break;
        case Qt::Key_End: move = MoveEnd; break;
        case Qt::Key_PageUp: move = MovePageUp; break;
        case Qt::Key_PageDown: move = MovePageDown; break;
        default: return;
    }
    if (!currentIndex().isValid() && at.row >= 0) setCurrentIndex(model_->index(at.row, 0));
    const QModelIndex next = moveCursor(*move, held);
    if (next.isValid()) emit keyMoved({next.row(), next.column()});
}

void MappingTableView::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) emit deleteReleased();
}

void MappingTableView::fitColumns() {
    if (!model_) return;
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + showGrid() +
        6;
    const CellMetrics metrics{fontMetrics(), padding, iconSize().width() + kIconGap};
    const ColumnWidths& cells = model_->cellWidths(metrics);
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < col::Count; ++c) {
        // The header's minimum section size widens anything narrower to 1700 twips.
        const int fitted = std::max(cells[static_cast<std::size_t>(c)], header->sectionSizeHint(c));
        header->resizeSection(c, fitted);
    }
}

}  // namespace velloran
