#pragma once
// The commands of the main window. Every toolbar button, menu item, context-menu item and
// command button that starts the same command is routed to the same value.

namespace velloran {

enum class Command {
    // Document commands (toolbar, main menu, the Configuration list's context menu).
    Open,
    New,
    Load,
    Close,
    Save,
    SaveAs,
    Clone,
    Delete,
    ChangeIcon,
    RefreshDevices,
    Run,
    Help,
    Options,
    About,
    Contents,
    Exit,
    // Table commands (command buttons and the Mapping table's context menu).
    Record,
    ClearRow,
    ClearItem,
    Test,
    RemoveItems,
    AddDevices,
    ReplaceDevice,
    // Edit menu.
    Undo,
    Redo,
    // Tools menu toggle.
    FollowController,
};

inline constexpr int kCommandCount = static_cast<int>(Command::FollowController) + 1;

// Whether the command states are recomputed once the command has run. Refresh Device List
// updates them itself; the table commands and the dialogs leave that to what they change.
constexpr bool followedByButtonStates(Command c) {
    switch (c) {
        case Command::Open:
        case Command::New:
        case Command::Load:
        case Command::Close:
        case Command::Save:
        case Command::SaveAs:
        case Command::Clone:
        case Command::Delete:
        case Command::ChangeIcon:
        case Command::Run:
        case Command::Help:
            return true;
        default:
            return false;
    }
}

}  // namespace velloran
