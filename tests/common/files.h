#pragma once
// Files in memory as path → bytes, with errors injected per path; the folder listing and the
// full-path rules of a POSIX file system.
#include <map>
#include <set>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"

namespace velloran::testing {

class MemoryFiles : public FileSystem, public Folders {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, RuntimeError> readErrors;
    std::map<std::string, RuntimeError> writeErrors;
    std::map<std::string, RuntimeError> probeErrors;
    std::string currentFolder = "/home/user/";
    int writes = 0;

    Result<std::string> readFile(const std::string& path) override;
    std::optional<RuntimeError> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) override;
    std::optional<RuntimeError> probeWritable(const std::string& path) override;
    bool exists(const std::string& path) override { return files.contains(path); }
    std::vector<std::string> fileNames(const std::string& folder) override;
    std::string fullPath(const std::string& path) override;

    std::set<std::string> folders;  // the folders made
    std::map<std::string, RuntimeError> folderErrors;
    std::optional<RuntimeError> createFolder(const std::string& folder) override {
        if (auto it = folderErrors.find(folder); it != folderErrors.end()) return it->second;
        folders.insert(folder);
        return std::nullopt;
    }
};

}  // namespace velloran::testing
