#include "session/document_close.h"

#include "session/document_save.h"
#include "session/document_steps.h"
#include "session/document_switch.h"
#include "settings/settings_names.h"

namespace velloran {

namespace {

// The entry stays listed, grey and ghosted, without a tab.
void closeEntry(EditorSession& session, const std::string& key) {
    if (ListEntry* entry = session.list.find(key)) {
        entry->ghosted = true;
        entry->colour = listcolour::Closed;
        entry->state = state::Listed;
    }
    session.tabs.remove(key);
}

// Takes an entry's file away: to the trash, or for good where it cannot go there and the user
// agrees. False when the file stays: its entry stays too, rather than vanishing now and coming
// back at the next start.
bool removeFile(const DocumentServices& services, const std::string& path,
                const std::string& name) {
    if (!services.files.exists(path)) return true;  // gone already: nothing to keep
    if (!services.trash.moveToTrash(path)) return true;
    std::string question = "The file \"" + name + "\" cannot be moved to the trash.";
    question += kCrLf;
    question += kCrLf;
    question += "Do you want to delete it permanently?";
    if (services.boxes.ask(Icon::Exclamation, "Confirm File Delete", question, Buttons::YesNo) !=
        Answer::Yes) {
        return false;
    }
    if (auto e = services.trash.deletePermanently(path)) {
        services.boxes.show(fileIoErrorBox(*e));
        return false;
    }
    return true;
}

}  // namespace

void close_click(EditorSession& session, const DocumentServices& services) {
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr || selected->ghosted) return;
    const std::string key = selected->key;
    const int code = selected->state;

    if (code == state::Unchanged) {
        closeEntry(session, key);
    } else {
        const Answer answer = services.boxes.ask(
            Icon::Exclamation, "Confirm CLose",
            "Save changes to " + selected->text + " before closing?", Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            const SaveMode mode = state::neverSaved(code) ? SaveMode::SaveAs : SaveMode::Save;
            if (save_click(session, services, mode) != SaveOutcome::Saved) return;
            closeEntry(session, key);
        } else if (state::neverSaved(code)) {
            delete_click(session, services, false);
        } else {
            closeEntry(session, key);
        }
    }

    session.tables.remove(key);
    session.handedOut.remove(key);
    if (session.tabs.empty()) session.resetToBlank();
    // Selecting the first tab switches to its configuration, as a click on it does.
    tab_click(session, services.store, 0);
    session.currentKey = session.tabs.selected()->key;
}

void delete_click(EditorSession& session, const DocumentServices& services, bool confirm) {
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr) return;
    const std::string key = selected->key;
    if (confirm) {
        const Answer answer = services.boxes.ask(
            Icon::Exclamation, "Confirm File Delete",
            "Are you sure you want to delete \"" + selected->text + "\"!", Buttons::YesNo);
        if (answer != Answer::Yes) return;
    }
    if (!state::neverSaved(selected->state) &&
        !removeFile(services, entryValue(services.store, key, settings::kEntryPath),
                    selected->text)) {
        return;
    }
    dropEntry(session, services.store, key);
    if (session.tabs.empty()) session.resetToBlank();

    session.currentKey = std::string(kBlankKey);
    const Tab* tab = session.tabs.selected();
    if (!session.list.empty() && tab != nullptr && tab->key != kBlankKey) session.show(tab->key);
}

}  // namespace velloran
