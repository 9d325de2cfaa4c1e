#include "history/history_commands.h"

namespace velloran {

bool canStep(const EditorSession& session, HistoryStep step) {
    const TableHistory* history = session.histories.find(session.currentKey);
    if (history == nullptr) return false;
    return step == HistoryStep::Undo ? history->canUndo() : history->canRedo();
}

bool stepHistory(EditorSession& session, HistoryStep step) {
    TableHistory* history = session.histories.find(session.currentKey);
    MappingTable* table = session.currentTable();
    if (history == nullptr || table == nullptr || session.recording || session.testing) {
        return false;
    }
    const bool stepped = step == HistoryStep::Undo ? history->undo(*table) : history->redo(*table);
    if (!stepped) return false;
    ListEntry* entry = session.list.find(session.currentKey);
    if (entry != nullptr && !state::neverSaved(entry->state)) {
        entry->state = history->atSaved() ? state::Unchanged : state::Changed;
    }
    return true;
}

}  // namespace velloran
