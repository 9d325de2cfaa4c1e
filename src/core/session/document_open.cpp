#include "session/document_open.h"

#include "file_format/configuration_file.h"
#include "session/config_folder.h"
#include "session/document_close.h"
#include "session/document_steps.h"
#include "settings/key_path.h"
#include "settings/settings_names.h"

#include <utility>

namespace velloran {

namespace {

FileDialogRequest loadDialog(std::string folder) {
    FileDialogRequest request;
    request.folder = std::move(folder);
    request.title = "Load Configuration File";
    request.filter = kConfigurationFilter;
    request.filterIndex = 2;
    return request;
}

void setState(EditorSession& session, const std::string& key, int code) {
    if (ListEntry* entry = session.list.find(key)) entry->state = code;
}

void handleLoadFailure(EditorSession& session, const DocumentServices& services,
                       const std::string& key, const LoadFailure& failure) {
    using FollowUp = LoadFailure::FollowUp;
    if (failure.followUp == FollowUp::AskDeleteFile) {
        const bool deleteFile = services.boxes.showAsk(failure.box) == Answer::Yes;
        // Delete moves the file to the trash only for a configuration that has a file.
        setState(session, key, deleteFile ? state::Unchanged : state::New);
        delete_click(session, services, false);
        // A file kept after all (no trash, not deleted for good) loses its entry, as after No.
        if (deleteFile && session.list.find(key) != nullptr) {
            setState(session, key, state::New);
            delete_click(session, services, false);
        }
        return;
    }
    services.boxes.show(failure.box);
    setState(session, key, failure.state);
    switch (failure.followUp) {
        case FollowUp::RemoveEntry:
            delete_click(session, services, false);
            break;
        case FollowUp::CloseConfiguration:
            close_click(session, services);
            break;
        case FollowUp::UnloadMainWindow:
            session.unloadRequested = true;
            break;
        case FollowUp::AskDeleteFile:
        case FollowUp::None:
            break;
    }
}

// Reads the entry's file into its emptied table and sets the entry's state from the outcome.
void readFile(EditorSession& session, const DocumentServices& services, const std::string& key) {
    const std::string path = entryValue(services.store, key, settings::kEntryPath);
    LoadedConfiguration loaded = loadConfiguration(services.files, path, session.devices);
    for (const Message& m : loaded.messages) services.boxes.show(m);
    MappingTable& table = session.tables.getOrCreate(key);
    table.rows().reserve(loaded.rows.size());
    for (MappingRow& row : loaded.rows) table.append(std::move(row));
    setState(session, key, loaded.state);
    if (loaded.failure) handleLoadFailure(session, services, key, *loaded.failure);
}

}  // namespace

void load_click(EditorSession& session, const DocumentServices& services, bool showDialog,
                std::string path) {
    if (showDialog) {
        const ListEntry* selected = session.list.selected();
        auto chosen = services.dialogs.openFile(
            loadDialog(dialogFolder(services.store, selected ? selected->key : std::string())));
        if (!chosen) return;
        path = std::move(*chosen);
    }
    if (!services.files.exists(path)) {
        services.boxes.message(Icon::Exclamation, "File Error",
                               "Cannot open file. File does not exist.");
        return;
    }

    std::string key = keyOfPath(services.store, path);
    if (const ListEntry* listed = session.list.find(key)) {
        if (listed->state != state::Listed) {
            services.boxes.message(Icon::Information, "File Load",
                                   "The file \"" + fileNameOf(path) + "\" is already loaded.");
        }
        session.list.select(key);
        open_click(session, services);
        return;
    }

    // A file the store knows but the list lacks keeps its key; an unknown file gets a new one.
    if (key.empty()) {
        key = NewFileKey(services.store, Root::CurrentUser, kUserKey, session.handedOut);
        storeEntryFile(services.store, key, path);
    }
    std::string icon = entryValue(services.store, key, settings::kEntryIconPath);
    session.list.add(ListEntry{key, fileNameOf(path), state::Listed, true, listcolour::Closed,
                               icon.empty() ? path : std::move(icon)});
    session.list.select(key);
    open_click(session, services);
}

void open_click(EditorSession& session, const DocumentServices& services) {
    const ListEntry* selected = session.list.selected();
    if (selected == nullptr || sameKeyName(selected->key, session.currentKey)) return;
    const std::string key = selected->key;
    const std::string text = selected->text;

    if (session.tabs.find(key) == nullptr) {
        session.tabs.dropPlaceholder();
        session.tabs.insertFront(Tab{key, text});
        session.apply(init_listview(session.tables, colour::TableBackground, TableMode::Empty, key,
                                    nullptr, session.devices));
        // A strip that holds a configuration is clickable whichever way the table was built.
        session.controls.tabStrip = true;
    }
    session.show(key);

    const ListEntry* entry = session.list.find(key);
    if (entry == nullptr || (entry->state & state::Listed) == 0) return;  // loaded already
    readFile(session, services, key);
}

void item_double_click(EditorSession& session, const DocumentServices& services) {
    if (!session.testing) open_click(session, services);
}

void drop_files(EditorSession& session, const DocumentServices& services,
                const std::vector<std::string>& paths) {
    if (session.testing || paths.empty()) return;
    load_click(session, services, false, paths.front());
}

}  // namespace velloran
