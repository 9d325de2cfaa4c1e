#include "editing/table_events.h"

#include <QCursor>
#include <QHeaderView>
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
