#pragma once
// The document commands of the toolbar, the main menu and the Configuration list's context
// menu, each handed to its rule on the window's session.
namespace velloran {

class MainWindow;

// Open, New, Load, Close, Save, Save As, Clone, Delete and Run. Change Icon and Options are
// the settings commands (settings_commands.h).
void registerDocumentCommands(MainWindow& window);

}  // namespace velloran
