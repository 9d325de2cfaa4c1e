#include "desk.h"

#include <stdexcept>

#include "table/default_rows.h"
#include "shell/startup.h"

namespace velloran::testing {

Result<std::string> MemoryFiles::readFile(const std::string& path) {
    if (auto e = readErrors.find(path); e != readErrors.end()) return e->second;
    if (auto f = files.find(path); f != files.end()) return f->second;
    return runtimeError(err::FileNotFound);
}

std::optional<RuntimeError> MemoryFiles::writeFileAtomically(const std::string& path,
                                                             std::string_view bytes) {
    if (auto e = writeErrors.find(path); e != writeErrors.end()) return e->second;
    ++writes;
    files[path] = std::string(bytes);
    return std::nullopt;
}

std::optional<RuntimeError> MemoryFiles::probeWritable(const std::string& path) {
    if (auto e = probeErrors.find(path); e != probeErrors.end()) return e->second;
    files.try_emplace(path);
    return std::nullopt;
}

std::vector<std::string> MemoryFiles::fileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, content] : files) {
        const std::string rest =
            path.substr(0, folder.size()) == folder ? path.substr(folder.size()) : std::string("/");
        if (!rest.empty() && rest.find('/') == std::string::npos) names.push_back(rest);
    }
    return names;
}

std::string MemoryFiles::fullPath(const std::string& path) {
    if (path.empty()) return {};
    const std::string joined = path.front() == '/' ? path : currentFolder + path;
    std::vector<std::string> parts;
    std::size_t start = 1;
    while (start <= joined.size()) {
        std::size_t end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        const std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string& p : parts) out += "/" + p;
    return out.empty() ? "/" : out;
}

Desk::Desk() {
    startmeup(session, services);
    session.devices.add(DetectedDevice{DeviceKind::Joystick, 2, "PAD-1", "Pad"});
}

std::string Desk::entry(const std::string& key, const char* name) {
    return store.GetString(Root::CurrentUser, settings::userEntryPath(key), name);
}

std::string Desk::putFile(const std::string& path, int buttons) {
    std::vector<MappingRow> rows;
    for (const ButtonEntry& b : session.devices.buttons) {
        if (b.number <= buttons) rows.push_back(defaultRow(b, colour::ActiveRow));
    }
    return files.files[path] = serializeConfiguration(rows);
}

std::vector<std::string> Desk::listKeys() const {
    std::vector<std::string> keys;
    for (const ListEntry& e : session.list.entries()) keys.push_back(e.key);
    return keys;
}

std::vector<std::string> Desk::tabKeys() const {
    std::vector<std::string> keys;
    for (const Tab& t : session.tabs.tabs()) keys.push_back(t.key);
    return keys;
}

const ListEntry& Desk::item(const std::string& key) const {
    const ListEntry* e = session.list.find(key);
    if (e == nullptr) throw std::out_of_range("no list entry " + key);
    return *e;
}

}  // namespace velloran::testing
