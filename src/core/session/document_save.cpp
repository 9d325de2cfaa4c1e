#include "session/document_save.h"

#include <vector>

#include "file_format/configuration_file.h"
#include "session/config_folder.h"
#include "session/document_create.h"
#include "session/document_steps.h"
#include "settings/key_path.h"
#include "settings/settings_names.h"
#include "settings/subkey_names.h"

namespace velloran {

namespace {

FileDialogRequest saveDialog(SettingsStore& store, const ListEntry& entry) {
    // The dialog opens in the configuration's own folder, or in the configuration folder for
    // one never saved, so that new files land where the list is built from at start-up.
    const std::string folder = dialogFolder(store, entry.key);
    FileDialogRequest request;
    request.folder = folder;
    request.defaultSuffix = std::string(kConfigurationExtension);
    request.title = "Save Configuration File";
    request.filter = kConfigurationFilter;
    request.filterIndex = 2;
    request.initialName = folder + entry.text;
    request.overwritePrompt = true;
    return request;
}

// The entries other than `keep` that list the file at `path`.
std::vector<std::string> otherEntriesOf(SettingsStore& store, const std::string& path,
                                        const std::string& keep) {
    std::vector<std::string> keys;
    for (const std::string& key : subkeyNames(store, Root::CurrentUser, kUserKey)) {
        if (!sameKeyName(key, keep) && entryValue(store, key, settings::kEntryPath) == path) {
            keys.push_back(key);
        }
    }
    return keys;
}

// An entry whose file now holds another configuration would list what is no longer there; its
// entry goes, the file stays.
void dropOtherEntriesOf(EditorSession& session, SettingsStore& store, const std::string& path,
                        const std::string& keep) {
    for (const std::string& key : otherEntriesOf(store, path, keep)) dropEntry(session, store, key);
}

// Saving over the file of an entry with unsaved changes drops those changes with the entry:
// the user says so first. False when the Save As is cancelled.
bool mayDropChangedEntries(const EditorSession& session, const DocumentServices& services,
                           const std::string& path, const std::string& keep) {
    for (const std::string& key : otherEntriesOf(services.store, path, keep)) {
        const ListEntry* other = session.list.find(key);
        if (other == nullptr || other->state != state::Changed) continue;
        std::string question = "\"" + other->text + "\" is open with unsaved changes.";
        question += kCrLf;
        question += kCrLf;
        question += "Save over it and lose those changes?";
        return services.boxes.ask(Icon::Exclamation, "Confirm Save As", question, Buttons::YesNo) ==
               Answer::Yes;
    }
    return true;
}

// Save As of a configuration that has a file, to a new file, writes a copy under a new key.
bool savesACopy(int code, const SaveAsChoice& choice) {
    return !state::neverSaved(code) && choice.result == saveas::NewKey;
}

// Settles the key and file a Save As writes to; returns the key.
//
// A configuration that has a file and gets a new one (NewKey) is copied to a new entry, which is
// written; the original stays open as it was. Otherwise the entry itself moves to the chosen
// file under its own key: a configuration never saved gets its first file, and one saved before
// that is saved over an existing file keeps its key and writes there.
std::string retarget(EditorSession& session, const DocumentServices& services,
                     const std::string& key, int code, const SaveAsChoice& choice) {
    SettingsStore& store = services.store;
    const std::string name = fileNameOf(choice.path);
    const bool copy = savesACopy(code, choice);
    const std::string target = copy ? choice.key : key;
    dropOtherEntriesOf(session, store, choice.path, target);

    if (copy) {
        addDocument(
            session, services,
            DocumentSeed{TableMode::Clone, target, name, choice.path, session.tables.find(key)});
        storeEntryFile(store, target, choice.path);
        return target;
    }
    const std::string entryKey = settings::userEntryPath(key);
    const std::string oldPath = entryValue(store, key, settings::kEntryPath);
    const std::string oldIcon = entryValue(store, key, settings::kEntryIconPath);
    store.SaveString(Root::CurrentUser, entryKey, settings::kEntryPath, choice.path);
    // The file's own icon follows the file; an icon the user picked stays.
    if (state::neverSaved(code) || oldIcon.empty() || oldIcon == oldPath) {
        store.SaveString(Root::CurrentUser, entryKey, settings::kEntryIconPath, choice.path);
        if (ListEntry* entry = session.list.find(key)) entry->iconPath = choice.path;
    }
    session.list.rename(key, name);
    session.tabs.rename(key, name);
    if (session.list.find(session.currentKey) == nullptr) session.show(key);
    return key;
}

SaveOutcome writeTable(EditorSession& session, const DocumentServices& services,
                       const std::string& key) {
    const std::string path = entryValue(services.store, key, settings::kEntryPath);
    const std::vector<MappingRow> noRows;
    const MappingTable* table = session.tables.find(key);
    if (auto failure = saveConfiguration(services.files, path, table ? table->rows() : noRows)) {
        services.boxes.show(failure->box);
        if (failure->unloadMainWindow) session.unloadRequested = true;
        return SaveOutcome::Failed;
    }
    session.handedOut.remove(key);
    if (ListEntry* entry = session.list.find(key)) entry->state = state::Unchanged;
    return SaveOutcome::Saved;
}

}  // namespace

SaveAsChoice saveas_click(EditorSession& session, const DocumentServices& services) {
    ListEntry* entry = session.list.selected();
    if (entry == nullptr) return {};
    auto chosen = services.dialogs.saveFile(saveDialog(services.store, *entry));
    if (!chosen) return {};
    *chosen = withConfigurationExtension(std::move(*chosen));
    // Its own file counts as existing even when it has gone meanwhile: the entry writes there
    // rather than copying itself onto its own path.
    const bool existed = services.files.exists(*chosen) ||
                         *chosen == entryValue(services.store, entry->key, settings::kEntryPath);
    // Creating the file now, without truncating it, fails here rather than halfway through.
    if (services.files.probeWritable(*chosen)) return {saveas::CannotSave, {}, *chosen};
    if (existed) {
        entry->state = state::Changed;
        return {saveas::ExistingFile, entry->key, *chosen};
    }
    if (state::neverSaved(entry->state)) return {saveas::NewFile, entry->key, *chosen};
    return {saveas::NewKey,
            NewFileKey(services.store, Root::CurrentUser, kUserKey, session.handedOut), *chosen};
}

SaveOutcome save_click(EditorSession& session, const DocumentServices& services, SaveMode mode) {
    const ListEntry* entry = session.list.selected();
    // A listed entry that is not open has no table to write.
    if (entry == nullptr || entry->state == state::Listed) return SaveOutcome::NothingToSave;
    std::string key = entry->key;
    const int code = entry->state;
    if (mode == SaveMode::Save && code == state::Unchanged) return SaveOutcome::NothingToSave;

    if (mode == SaveMode::Save && code == state::Recreate) {
        new_click(session, services, NewMode::Recreate, key);
    } else if (mode == SaveMode::SaveAs || code != state::Changed) {
        const SaveAsChoice choice = saveas_click(session, services);
        if (choice.result == saveas::Cancelled) return SaveOutcome::Cancelled;
        if (choice.result == saveas::CannotSave) {
            services.boxes.message(Icon::Exclamation, "Save Error", "Cannot save to file!");
            return SaveOutcome::Failed;
        }
        if (!mayDropChangedEntries(session, services, choice.path,
                                   savesACopy(code, choice) ? choice.key : key)) {
            if (ListEntry* own = session.list.find(key)) own->state = code;
            return SaveOutcome::Cancelled;
        }
        key = retarget(session, services, key, code, choice);
    }
    return writeTable(session, services, key);
}

}  // namespace velloran
