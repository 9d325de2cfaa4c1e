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
    const bool playedAlready = services.launcher.runnerPlays(path);
    if (services.launcher.startDetached(program, {path}, services.paths.programFolder)) {
        session.statusPanel2 = runStatusText(fileNameOf(path), playedAlready);
    } else {
        services.boxes.message(Icon::Exclamation, "Run Error", "Could not launch file.");
    }
    session.minimiseRequested = true;
}

std::string runStatusText(std::string_view fileName, bool playedAlready) {
    std::string text = playedAlready ? "Reloaded " : "Playing ";
    text += fileName;
    text += playedAlready ? " in the runvale that plays it" : " in runvale";
    return text;
}

}  // namespace velloran
