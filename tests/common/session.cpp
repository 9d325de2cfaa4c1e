#include "common/session.h"

#include <stdexcept>

#include "file_format/configuration_file.h"
#include "session/document_open.h"
#include "shell/startup.h"

namespace velloran::testing {

SessionDesk::SessionDesk() {
    startmeup(session, services);
    session.devices.add(DetectedDevice{DeviceKind::Joystick, 2, "PAD-1", "Pad"});
}

std::string SessionDesk::entry(const std::string& key, const char* name) {
    return store.GetString(Root::CurrentUser, settings::userEntryPath(key), name);
}

std::string SessionDesk::putFile(const std::string& path, int buttons) {
    std::vector<MappingRow> rows;
    for (const ButtonEntry& b : session.devices.buttons) {
        if (b.number <= buttons) rows.push_back(defaultRow(b, colour::ActiveRow));
    }
    return files.files[path] = serializeConfiguration(rows);
}

void SessionDesk::loadFiles(std::initializer_list<const char*> paths, int buttons) {
    for (const char* path : paths) {
        putFile(path, buttons);
        load_click(session, services, false, path);
    }
}

std::vector<std::string> SessionDesk::listKeys() const {
    std::vector<std::string> keys;
    for (const ListEntry& e : session.list.entries()) keys.push_back(e.key);
    return keys;
}

std::vector<std::string> SessionDesk::tabKeys() const {
    std::vector<std::string> keys;
    for (const Tab& t : session.tabs.tabs()) keys.push_back(t.key);
    return keys;
}

const ListEntry& SessionDesk::item(const std::string& key) const {
    const ListEntry* e = session.list.find(key);
    if (e == nullptr) throw std::out_of_range("no list entry " + key);
    return *e;
}

OpenConfiguration::OpenConfiguration(int state) {
    session.list.add(ListEntry{"file1", "a.vlz", state, false, listcolour::Current, ""});
    session.tabs.dropPlaceholder();
    session.tabs.insertFront(Tab{"file1", "a.vlz"});
    session.tabs.select("file1");
    session.currentKey = "file1";
    table = &session.tables.getOrCreate("file1");
}

void OpenConfiguration::device(const std::string& identity, int buttons, const std::string& name) {
    session.devices.add(
        DetectedDevice{DeviceKind::Joystick, buttons, identity, name.empty() ? identity : name});
}

MappingRow& OpenConfiguration::row(int button, const std::string& identity,
                                   const char* description) {
    MappingRow& r = table->append(
        defaultRow(ButtonEntry{button, "Name of " + identity, identity}, colour::ActiveRow));
    r.cell(col::Description).text = description;
    return r;
}

void OpenConfiguration::addRows(const std::vector<std::string>& rows) {
    for (const std::string& r : rows) {
        const std::size_t blank = r.find(' ');
        row(std::stoi(r.substr(0, blank)), r.substr(blank + 1));
    }
}

std::vector<std::string> OpenConfiguration::rows() const {
    std::vector<std::string> out;
    for (const MappingRow& r : table->rows()) {
        out.push_back(r.text + " " + r.cell(col::DeviceId).tag.toText());
    }
    return out;
}

}  // namespace velloran::testing
