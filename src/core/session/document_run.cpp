#include "session/document_run.h"

#include "session/document_steps.h"
#include "settings/settings_names.h"

namespace velloran {

void MNrun_Click(EditorSession& session, const DocumentServices& services) {
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr) return;
    const std::string path = entryValue(services.store, selected->key, settings::kEntryPath);
    const std::string beside = services.paths.runvaleBeside();
    const std::string program = services.files.exists(beside) ? beside : "runvale";
    if (!services.launcher.startDetached(program, {path}, services.paths.programFolder)) {
        services.boxes.message(Icon::Exclamation, "Run Error", "Could not launch file.");
    }
    session.minimiseRequested = true;
}

}  // namespace velloran
