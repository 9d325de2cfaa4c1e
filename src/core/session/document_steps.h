#pragma once
// Steps several document commands share: the store values of a list entry, file names, adding
// a new document and dropping an entry altogether.
#include <string>
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"

namespace velloran {

// The filter of the load and save dialogs.
inline constexpr const char* kConfigurationFilter =
    "All Files (*.*)|*.*|Velloran Files (*.vlz)|*.vlz";

// A value ("path", "icon path") of the Configuration list entry with this key in the store.
std::string entryValue(SettingsStore& store, std::string_view key, const char* name);
// Stores `path` as the entry's "path" and "icon path", as a newly listed file starts.
void storeEntryFile(SettingsStore& store, std::string_view key, const std::string& path);
// The key of the store entry whose "path" is exactly `path`, or "".
std::string keyOfPath(SettingsStore& store, const std::string& path);

// The part after the last "/".
std::string fileNameOf(std::string_view path);
// The part up to and including the last "/", or "".
std::string folderOf(std::string_view path);

// A document that exists only in memory until it is saved.
struct DocumentSeed {
    TableMode mode = TableMode::FromDevices;
    std::string key;
    std::string name;
    std::string iconFile;  // "" for the default icon
    const MappingTable* source = nullptr;
};

// Lists, tabs and builds a new document and makes it current in state 2 (never saved). A key
// that is listed already keeps its entry.
void addDocument(EditorSession& session, const DocumentServices& services, DocumentSeed seed);

// Removes the entry with everything it owns: table, handed-out key, list entry, store entry
// and tab. The file is left alone.
void dropEntry(EditorSession& session, SettingsStore& store, std::string_view key);

}  // namespace velloran
