#pragma once
// File operations the core needs, behind an interface: the platform implements them with POSIX
// calls, tests with fakes that fail on demand. Errors are run-time error values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace velloran {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of a file. Anything but a regular file (a folder, FIFO or device) gives
    // the same error, at once.
    virtual Result<std::string> readFile(const std::string& path) = 0;

    // Replaces the file's content so that a failure at any point leaves the previous content
    // intact (write a temporary file beside it, flush, rename over). Where that would change
    // what the file is (a folder that takes no new file, other hard links, an owner that cannot
    // be given) the file is rewritten in place and flushed instead.
    virtual std::optional<RuntimeError> writeFileAtomically(const std::string& path,
                                                            std::string_view bytes) = 0;

    // Opens the file for writing without truncating it (creating it when missing) and closes it,
    // so that a file that cannot be written fails before any work is done.
    virtual std::optional<RuntimeError> probeWritable(const std::string& path) = 0;

    virtual bool exists(const std::string& path) = 0;
};

// Folder listings and path names. Kept apart from FileSystem so that a fake of file contents
// need not answer them.
class Folders {
public:
    virtual ~Folders() = default;

    // The names (without folder) of the regular files directly in `folder`, in no given order;
    // empty when the folder is missing or cannot be read.
    virtual std::vector<std::string> fileNames(const std::string& folder) = 0;

    // `path` made absolute against the current folder, with "." and ".." resolved by name and
    // without requiring the file to exist; "" for an empty path or when there is no current
    // folder.
    virtual std::string fullPath(const std::string& path) = 0;

    // Creates `folder` and any missing parents; nothing happens when it exists already.
    virtual std::optional<RuntimeError> createFolder(const std::string& folder) = 0;
};

}  // namespace velloran
