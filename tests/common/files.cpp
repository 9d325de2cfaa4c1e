#include "common/files.h"

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
        if (path.compare(0, folder.size(), folder) != 0) continue;
        const std::string rest = path.substr(folder.size());
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

}  // namespace velloran::testing
