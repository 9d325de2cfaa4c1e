#pragma once
// The file system on POSIX: durable replacement through a temporary file, fsync and rename
// (in place where the folder takes no new file or the file has other hard links); only regular
// files are read or written; folder listings and full paths.
#include <sys/types.h>

#include <functional>

#include "base/file_system.h"

namespace velloran {

class PosixFileSystem : public FileSystem, public Folders {
public:
    // The write(2) used for file contents; tests replace it to fail at a chosen byte.
    using WriteFunction = std::function<ssize_t(int fd, const void* data, size_t size)>;

    PosixFileSystem();

    Result<std::string> readFile(const std::string& path) override;
    std::optional<RuntimeError> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) override;
    std::optional<RuntimeError> probeWritable(const std::string& path) override;
    bool exists(const std::string& path) override;

    std::vector<std::string> fileNames(const std::string& folder) override;
    std::string fullPath(const std::string& path) override;
    std::optional<RuntimeError> createFolder(const std::string& folder) override;

    void setWriteFunction(WriteFunction write) { write_ = std::move(write); }

private:
    // Truncates, writes and flushes the file itself: for files that must stay the same file.
    std::optional<RuntimeError> writeInPlace(const std::string& target, std::string_view bytes);
    // 0, or the errno of the failed write.
    int writeAll(int fd, std::string_view bytes);

    WriteFunction write_;
};

}  // namespace velloran
