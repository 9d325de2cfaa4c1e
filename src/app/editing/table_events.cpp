#include "editing/table_events.h"

#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>
#include <cerrno>

#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"
#include "editing/table_keyboard.h"
#include "editing/table_sort.h"
#include "shell/main_window.h"

namespace velloran {
namespace {

constexpr std::uint16_t kDeleteKey = 46;

// The buttons the editing rules know; the others are not reported to them.
std::optional<MouseButton> mouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

TableHit tableHit(const MappingTableView::Hit& hit) {
    return {hit.row, hit.column};
}

}  // namespace

TableEvents::TableEvents(MainWindow& window) : window_(window) {
    connectView();
    registerCommands();
}

void TableEvents::run(const std::function<void(TableEditing)>& rule) {
    EditorSession& session = window_.session();
    MappingTable* table = session.currentTable();
    if (!table) return;
    rule(TableEditing{state_, *table, *this, session.recording, session.testing});

    MappingTableModel::StepHeaderImages images{};
    for (int column = col::FirstPress; column <= col::LastStep; ++column) {
        images[static_cast<std::size_t>(column - col::FirstPress)] =
            state_.stepHeaders.at(column + 1);
    }
    window_.tableModel().setStepHeaderImages(images);
}

void TableEvents::connectView() {
    MappingTableView* view = window_.controls().listView3;
    using Change = MainWindow::TableChange;
    connect(view, &MappingTableView::mousePressed, this,
            [this](Qt::MouseButton qtButton, const MappingTableView::Hit& hit) {
                const std::optional<MouseButton> button = mouseButton(qtButton);
                if (!button) return;
                const bool open = window_.session().currentKey != kBlankKey;
                run([&](TableEditing t) { ListView3_MouseDown(t, open, *button, tableHit(hit)); });
                window_.showSession(Change::None);
            });
    connect(view, &MappingTableView::mouseReleased, this,
            [this](Qt::MouseButton qtButton, const MappingTableView::Hit& hit) {
                const std::optional<MouseButton> button = mouseButton(qtButton);
                if (!button) return;
                run([&](TableEditing t) {
                    ListView3_MouseUp(t, *button, tableHit(hit));
                    if (*button == MouseButton::Left) ListView3_Click(t);
                });
                window_.showSession(Change::None);
            });
    connect(view, &MappingTableView::mouseDoubleClicked, this, [this] {
        run([](TableEditing t) { ListView3_DblClick(t); });
        window_.tableModel().rowsChanged(state_.lastMouseUp.row, state_.lastMouseUp.row);
        window_.showSession(Change::None);
    });
    connect(view, &MappingTableView::deleteReleased, this, [this] {
        run([](TableEditing t) { ListView3_KeyUp(t, kDeleteKey); });
        window_.showSession();
    });
    connect(view, &MappingTableView::keyMoved, this, [this, view](const MappingTableView::Hit& to) {
        bool moved = false;
        run([&](TableEditing t) { moved = ListView3_KeyMove(t, tableHit(to)); });
        if (moved) view->setCurrentCell(to);
        window_.showSession(Change::None);
    });
    connect(view, &MappingTableView::keyActivated, this, [this](const MappingTableView::Hit& at) {
        run([&](TableEditing t) { ListView3_KeyActivate(t, tableHit(at)); });
        window_.tableModel().rowsChanged(at.row, at.row);
        window_.showSession(Change::None);
    });
    connect(view, &MappingTableView::keyMenu, this, [this, view](const MappingTableView::Hit& at) {
        const QRect cell = view->cellRect(at.row, at.column);
        menuAt_ = view->mapToGlobal(cell.isValid() ? cell.center() : QPoint(0, 0));
        const bool open = window_.session().currentKey != kBlankKey;
        run([&](TableEditing t) { ListView3_KeyMenu(t, open, tableHit(at)); });
        menuAt_.reset();
        window_.showSession(Change::None);
    });
    connect(&window_.descriptionEditor(), &DescriptionEditor::cancelled, this, [this, view] {
        state_.editedRow.reset();
        view->setFocus();
    });
    // The Description editor stays over its cell however the table scrolls or is resized.
    for (QScrollBar* bar : {view->horizontalScrollBar(), view->verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &TableEvents::followEditedRow);
    }
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this,
            &TableEvents::followEditedRow);
    // A taller header moves the viewport inside the view.
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        run([section](TableEditing t) { ListView3_ColumnClick(t, section + 1); });
        window_.showSession();
    });
    connect(&window_.descriptionEditor(), &DescriptionEditor::committed, this,
            [this](const QString& text) {
                run([&text](TableEditing t) { commitDescription(t, text.toStdString()); });
                window_.showSession();
            });
}

void TableEvents::registerCommands() {
    CommandRouter& router = window_.commands();
    router.setHandler(Command::ClearRow, [this] { run(ComClear_Click); });
    router.setHandler(Command::ClearItem, [this] { run(ComClearItem_Click); });
}

void TableEvents::markModified() {
    window_.session().markChanged();
    window_.Set_Button_States();
}

void TableEvents::refreshCommandStates() {
    window_.Set_Button_States();
}

void TableEvents::setLockKey(std::uint16_t virtualKey, bool on) {
    if (hooks_.setLockKey) hooks_.setLockKey(virtualKey, on);
}

void TableEvents::clearFeedback() {
    window_.session().feedback.clear();
}

void TableEvents::repaintTable() {
    window_.tableModel().looksChanged();
}

void TableEvents::focusTable() {
    window_.controls().listView3->setFocus();
}

void TableEvents::showContextMenu() {
    window_.popupTableMenu(menuAt_.value_or(QCursor::pos()));
}

void TableEvents::openDescriptionEditor(int row) {
    const MappingTable* table = window_.session().currentTable();
    if (!table || row < 0 || row >= table->rowCount()) return;
    window_.descriptionEditor().showAt(
        descriptionCell(row), QString::fromStdString(table->row(row).cell(col::Description).text));
    // The table may still be scrolling the cell into view or laying out its header.
    QTimer::singleShot(0, this, &TableEvents::followEditedRow);
}

QRect TableEvents::descriptionCell(int row) const {
    MappingTableView* view = window_.controls().listView3;
    const QRect cell = view->cellRect(row, col::Description);
    return QRect(view->mapTo(view->parentWidget(), cell.topLeft()), cell.size());
}

void TableEvents::followEditedRow() {
    const MappingTable* table = window_.session().currentTable();
    if (!window_.descriptionEditor().editing() || !table || !state_.editedRow) return;
    const int row = table->indexOfId(*state_.editedRow);
    if (row >= 0) window_.descriptionEditor().moveTo(descriptionCell(row));
}

bool TableEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) followEditedRow();
    return QObject::eventFilter(watched, event);
}

void TableEvents::removeItems() {
    window_.commands().trigger(Command::RemoveItems);
}

std::optional<int> TableEvents::installKeyboardGuard() {
    return hooks_.installGuard ? hooks_.installGuard() : std::optional<int>(ENOSYS);
}

void TableEvents::removeKeyboardGuard() {
    if (hooks_.removeGuard) hooks_.removeGuard();
}

}  // namespace velloran
