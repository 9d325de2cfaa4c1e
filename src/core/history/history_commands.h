#pragma once
// Undo and Redo of the current configuration's table edits, with its state code: back at the
// rows last saved it is unchanged again, anywhere else changed (a configuration never saved
// stays never saved).
#include "session/editor_session.h"

namespace velloran {

enum class HistoryStep { Undo, Redo };

// Whether the step is offered for the current configuration.
bool canStep(const EditorSession& session, HistoryStep step);

// Takes the step; false when there was none to take.
bool stepHistory(EditorSession& session, HistoryStep step);

}  // namespace velloran
