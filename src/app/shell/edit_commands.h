#pragma once
// The &Edit menu: Undo and Redo of the current configuration's table edits.
#include "session/editor_session.h"
#include "shell/menus.h"

namespace velloran {

class MainWindow;

void registerEditCommands(MainWindow& window);

// Undo and Redo are offered when the current configuration has a step to take.
void showEditCommandStates(const MenuSet& menus, const EditorSession& session);

}  // namespace velloran
