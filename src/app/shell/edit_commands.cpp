#include "shell/edit_commands.h"

#include <QAction>

#include "editing/table_events.h"
#include "history/history_commands.h"
#include "shell/main_window.h"

namespace velloran {

void registerEditCommands(MainWindow& window) {
    for (const auto& [command, step] :
         {std::pair{Command::Undo, HistoryStep::Undo}, {Command::Redo, HistoryStep::Redo}}) {
        window.commands().setHandler(command, [&window, step] {
            if (!stepHistory(window.session(), step)) return;
            // The rows are back as they were: so is the keyboard lock of the selected row.
            window.tableEvents().run(ListView3_Click);
            window.Set_Button_States();
        });
    }
}

void showEditCommandStates(const MenuSet& menus, const EditorSession& session) {
    menus.edit->findChild<QAction*>(QStringLiteral("MNundo"))
        ->setEnabled(canStep(session, HistoryStep::Undo));
    menus.edit->findChild<QAction*>(QStringLiteral("MNredo"))
        ->setEnabled(canStep(session, HistoryStep::Redo));
}

}  // namespace velloran
