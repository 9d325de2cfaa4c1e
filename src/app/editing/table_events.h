#pragma once
// The Mapping table's events handed to the editing rules of the core: presses, releases and
// double clicks with the cell they hit, header clicks, DELETE, the Description editor and the
// two clearing commands. This object is the window side of those rules (their host).
#include <QObject>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>

#include "editing/table_editing.h"

namespace velloran {

class MainWindow;

// What record mode brings to the table's rules: the keyboard's lock keys and the keyboard
// guard. Without them lock keys stay as they are and no guard can be installed.
struct KeyboardHooks {
    std::function<void(std::uint16_t virtualKey, bool on)> setLockKey;
    std::function<std::optional<int>()> installGuard;  // the system error number on failure
    std::function<void()> removeGuard;
};

class TableEvents final : public QObject, public TableEditingHost {
    Q_OBJECT
public:
    explicit TableEvents(MainWindow& window);

    TableEditingState& state() { return state_; }
    void setKeyboardHooks(KeyboardHooks hooks) { hooks_ = std::move(hooks); }

    // Runs an editing rule on the current configuration's table with the session's mode flags,
    // then shows the step headers it left. Nothing runs before a table exists.
    void run(const std::function<void(TableEditing)>& rule);

    void markModified() override;
    void refreshCommandStates() override;
    void setLockKey(std::uint16_t virtualKey, bool on) override;
    void clearFeedback() override;
    void repaintTable() override;
    void focusTable() override;
    void showContextMenu() override;
    void openDescriptionEditor(int row) override;
    void removeItems() override;
    std::optional<int> installKeyboardGuard() override;
    void removeKeyboardGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectView();
    // The "Description" cell of `row` in the coordinates of the editor's parent.
    QRect descriptionCell(int row) const;
    void followEditedRow();
    void registerCommands();

    MainWindow& window_;
    TableEditingState state_;
    KeyboardHooks hooks_;
    std::optional<QPoint> menuAt_;  // where a menu opened from the keyboard appears
};

}  // namespace velloran
