#pragma once
// Editor sessions for tests: one with every document service faked (files in memory, scripted
// boxes and dialogs), and one with a configuration open for the table commands.
#include <initializer_list>
#include <string>
#include <vector>

#include "common/boxes.h"
#include "common/desktop.h"
#include "common/dialogs.h"
#include "common/files.h"
#include "session/document_services.h"
#include "session/editor_session.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"
#include "table/default_rows.h"

namespace velloran::testing {

inline constexpr const char* kDataFolder = "/home/user/.local/share/velloran/";
inline constexpr const char* kConfigFolder = "/home/user/.local/share/velloran/config/";

struct SessionDesk {
    ScriptedBoxes boxes;
    ScriptedDialogs dialogs;
    MemoryStore store;
    MemoryFiles files;
    FakeLauncher launcher;
    FakeTrash trash{&files};
    DocumentServices services{
        boxes, dialogs,  store, files,
        files, launcher, trash, SessionPaths{kDataFolder, "/usr/share/", "/usr/bin/"}};
    EditorSession session;

    // A started session with a two-button pad "PAD-1" attached.
    SessionDesk();

    // The store value of an entry ("path", "icon path").
    std::string entry(const std::string& key, const char* name = settings::kEntryPath);
    // A configuration file with rows for the pad's first `buttons` buttons; its bytes.
    std::string putFile(const std::string& path, int buttons = 2);
    // Puts each file (as putFile does) and loads it as the Load command does with a path given.
    void loadFiles(std::initializer_list<const char*> paths, int buttons = 2);
    std::vector<std::string> listKeys() const;
    std::vector<std::string> tabKeys() const;
    const ListEntry& item(const std::string& key) const;
};

// One configuration "file1" open in the selected tab, with the state given.
struct OpenConfiguration {
    EditorSession session;
    ScriptedBoxes boxes;
    MappingTable* table = nullptr;

    explicit OpenConfiguration(int state = state::Unchanged);

    // A detected device, named `name` (or its identity).
    void device(const std::string& identity, int buttons, const std::string& name = {});
    // A row for `button` of the device with this identity, appended.
    MappingRow& row(int button, const std::string& identity, const char* description = " ");
    // Rows from "button identity" texts ("5 pad"), appended in order.
    void addRows(const std::vector<std::string>& rows);
    // The rows as "button identity" texts, in table order.
    std::vector<std::string> rows() const;
    int state() const { return session.list.find("file1")->state; }
};

}  // namespace velloran::testing
