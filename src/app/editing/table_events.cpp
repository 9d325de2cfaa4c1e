#include "editing/table_events.h"

#include <QCursor>
#include <QHeaderView>
#include <algorithm>
#include <cerrno>

#include "editing/table_editing_clear.h"
#include "editing/table_editing_description.h"
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
    state_.recording = session.recording;
    state_.testing = session.testing;
    rule(TableEditing{state_, *table, *this});
    session.recording = state_.recording;
    session.testing = state_.testing;

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
            [this](Qt::MouseButton button, const MappingTableView::Hit& hit) {
                press(button, tableHit(hit));
            });
    connect(view, &MappingTableView::mouseReleased, this,
            [this](Qt::MouseButton button, const MappingTableView::Hit& hit) {
                release(button, tableHit(hit));
            });
    connect(view, &MappingTableView::keyPressed, this, &TableEvents::keyClick);
    connect(view, &MappingTableView::mouseDoubleClicked, this, [this] {
        run([](TableEditing t) { ListView3_DblClick(t); });
        window_.tableModel().rowsChanged(state_.lastMouseUp.row, state_.lastMouseUp.row);
        window_.showSession(Change::None);
    });
    connect(view, &MappingTableView::deleteReleased, this, [this] {
        run([](TableEditing t) { ListView3_KeyUp(t, kDeleteKey); });
        window_.showSession();
    });
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

void TableEvents::press(Qt::MouseButton qtButton, TableHit hit) {
    const std::optional<MouseButton> button = mouseButton(qtButton);
    if (!button) return;
    const bool open = window_.session().currentKey != kBlankKey;
    run([&](TableEditing t) { ListView3_MouseDown(t, open, *button, hit); });
    window_.showSession(MainWindow::TableChange::None);
}

void TableEvents::release(Qt::MouseButton qtButton, TableHit hit) {
    const std::optional<MouseButton> button = mouseButton(qtButton);
    if (!button) return;
    run([&](TableEditing t) {
        ListView3_MouseUp(t, *button, hit);
        if (*button == MouseButton::Left) ListView3_Click(t);
    });
    window_.showSession(MainWindow::TableChange::None);
}

void TableEvents::keyClick(int key, Qt::KeyboardModifiers modifiers) {
    EditorSession& session = window_.session();
    const MappingTable* table = session.currentTable();
    if (session.recording || session.testing || !table || table->rowCount() == 0) return;
    TableHit hit{std::max(table->selected, 0), state_.currentColumn};
    Qt::MouseButton button = Qt::LeftButton;
    switch (key) {
        case Qt::Key_Up:
            hit.row = std::max(hit.row - 1, 0);
            break;
        case Qt::Key_Down:
            hit.row = std::min(hit.row + 1, table->rowCount() - 1);
            break;
        case Qt::Key_Right:
            hit.subItem = hit.subItem < col::FirstPress ? col::FirstPress
                                                        : std::min(hit.subItem + 1, col::LastStep);
            break;
        case Qt::Key_Left:
            hit.subItem = hit.subItem > col::FirstPress ? hit.subItem - 1 : 0;
            break;
        case Qt::Key_F10:
            if (!modifiers.testFlag(Qt::ShiftModifier)) return;
            button = Qt::RightButton;
            break;
        case Qt::Key_Menu:
            button = Qt::RightButton;
            break;
        default:
            return;
    }
    press(button, hit);
    release(button, hit);
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
    window_.popupTableMenu(QCursor::pos());
}

void TableEvents::openDescriptionEditor(int row) {
    const MappingTable* table = window_.session().currentTable();
    if (!table || row < 0 || row >= table->rowCount()) return;
    MappingTableView* view = window_.controls().listView3;
    const QRect rowRect = view->rowRect(row);
    window_.descriptionEditor().showAt(
        view->geometry(), rowRect.top(), rowRect.height(),
        QString::fromStdString(table->row(row).cell(col::Description).text));
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
