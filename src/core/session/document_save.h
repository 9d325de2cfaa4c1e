#pragma once
// Save and Save As: writing the selected configuration's table to its file.
#include <string>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

enum class SaveMode { Save = 32, SaveAs = 64 };

enum class SaveOutcome {
    Saved,
    NothingToSave,  // Save of an unchanged configuration, or the entry is not open
    Cancelled,      // the save dialog was cancelled
    Failed,         // the file could not be written; the user has been told
};

// Result codes of saveas_click.
namespace saveas {
inline constexpr int NewKey = 128;         // a new file, and a new key for the copy written there
inline constexpr int ExistingFile = 1026;  // the chosen file exists; the entry is now changed (16)
inline constexpr int NewFile = 1152;       // a new file for a configuration never saved
inline constexpr int Cancelled = 256;
inline constexpr int CannotSave = 512;  // the chosen file cannot be created or written
}  // namespace saveas

struct SaveAsChoice {
    int result = saveas::Cancelled;
    std::string key;   // the key to write under: a new one for NewKey, else the entry's own
    std::string path;  // the chosen file
};

// Asks for the file to save the selected entry to and checks that it can be written.
SaveAsChoice saveas_click(EditorSession& session, const DocumentServices& services);

// Save writes a changed configuration to its own file; Save As, and Save of a configuration
// never saved, ask for a file first. Afterwards the written entry is in state 0.
SaveOutcome save_click(EditorSession& session, const DocumentServices& services, SaveMode mode);

}  // namespace velloran
