#pragma once
// What the Mapping table's editing handlers ask of the window around the table.
#include <cstdint>
#include <optional>

namespace velloran {

class TableEditingHost {
public:
    virtual ~TableEditingHost() = default;

    // Marks the current configuration changed (unless never saved) and refreshes the command
    // states.
    virtual void markModified() = 0;
    // Recomputes which commands are enabled, without marking anything changed.
    virtual void refreshCommandStates() = 0;
    // Brings the keyboard's lock key (vk::NumLock, vk::CapsLock, vk::ScrollLock) on or off.
    virtual void setLockKey(std::uint16_t virtualKey, bool on) = 0;
    // Empties the main window's feedback line.
    virtual void clearFeedback() = 0;
    // Row colours changed: redraw the table.
    virtual void repaintTable() = 0;
    virtual void focusTable() = 0;
    // Shows the table's context menu at the pointer.
    virtual void showContextMenu() = 0;
    // Shows the floating Description editor over `row` (0-based), holding that cell's text, and
    // gives it the focus.
    virtual void openDescriptionEditor(int row) = 0;
    // Runs "Remove Items" on the current configuration.
    virtual void removeItems() = 0;
    // Starts guarding the keyboard while recording; the system error number when that failed.
    virtual std::optional<int> installKeyboardGuard() = 0;
    // Stops guarding the keyboard; nothing happens when no guard is installed.
    virtual void removeKeyboardGuard() = 0;
};

}  // namespace velloran
