#include "fs/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

namespace velloran {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    int reset() {
        int r = 0;
        if (fd_ >= 0) r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// A symbolic link is replaced through its target, so that the link stays a link.
std::string resolveTarget(const std::string& path) {
    char buf[PATH_MAX];
    std::string current = path;
    for (int hops = 0; hops < 16; ++hops) {
        const ssize_t n = ::readlink(current.c_str(), buf, sizeof buf - 1);
        if (n < 0) break;
        std::string link(buf, static_cast<std::size_t>(n));
        if (!link.empty() && link[0] != '/') {
            const auto slash = current.rfind('/');
            if (slash != std::string::npos) link = current.substr(0, slash + 1) + link;
        }
        current = link;
    }
    return current;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A folder, FIFO, socket or device node: the error a folder gives.
RuntimeError notARegularFile() {
    return runtimeErrorFromErrno(EISDIR);
}

std::string temporaryNameFor(const std::string& target) {
    static std::mt19937_64 rng{std::random_device{}()};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return dir + "." + base + ".tmp" + std::to_string(rng() % 1000000000);
}

}  // namespace

PosixFileSystem::PosixFileSystem() : write_(&::write) {}

Result<std::string> PosixFileSystem::readFile(const std::string& path) {
    if (path.empty()) return runtimeError(err::BadFileName);
    // Opening a FIFO waits for a writer and a device node may never end: only regular files
    // are read, and the open itself does not wait in case the path changes in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return runtimeErrorFromErrno(errno);
    if (!S_ISREG(st.st_mode)) return notARegularFile();
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return runtimeErrorFromErrno(errno);
    if (::fstat(fd.get(), &st) != 0) return runtimeErrorFromErrno(errno);
    if (!S_ISREG(st.st_mode)) return notARegularFile();
    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return runtimeErrorFromErrno(errno);
        }
        content.append(buf, static_cast<std::size_t>(n));
    }
    return content;
}

std::optional<RuntimeError> PosixFileSystem::writeFileAtomically(const std::string& path,
                                                                 std::string_view bytes) {
    if (path.empty()) return runtimeError(err::BadFileName);
    const std::string target = resolveTarget(path);

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return notARegularFile();
    // A file with other hard links stays one file with them: only its content changes.
    if (replacing && old.st_nlink > 1) return writeInPlace(target, bytes);

    std::string tmp;
    int raw = -1;
    for (int attempt = 0; attempt < 8 && raw < 0; ++attempt) {
        tmp = temporaryNameFor(target);
        raw = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) {
        const int e = errno;
        // A folder that takes no new files may still hold a file the user can write.
        if (replacing && (e == EACCES || e == EPERM)) return writeInPlace(target, bytes);
        return runtimeErrorFromErrno(e);
    }
    Fd fd(raw);

    auto fail = [&](int e) -> std::optional<RuntimeError> {
        fd.reset();
        ::unlink(tmp.c_str());
        return runtimeErrorFromErrno(e);
    };

    if (replacing) {
        // The file keeps its owner; where the owner cannot be given, it is written in place.
        struct stat made {};
        const bool sameOwner =
            ::fstat(fd.get(), &made) == 0 && made.st_uid == old.st_uid && made.st_gid == old.st_gid;
        if (!sameOwner && ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            fd.reset();
            ::unlink(tmp.c_str());
            return writeInPlace(target, bytes);
        }
        (void)::fchmod(fd.get(), old.st_mode & 07777);
    }
    if (const int e = writeAll(fd.get(), bytes)) return fail(e);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (fd.reset() != 0) return fail(errno);
    if (::rename(tmp.c_str(), target.c_str()) != 0) return fail(errno);

    // The rename itself must reach the disk before we report success.
    Fd dir(::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) (void)::fsync(dir.get());
    return std::nullopt;
}

std::optional<RuntimeError> PosixFileSystem::writeInPlace(const std::string& target,
                                                          std::string_view bytes) {
    // Not truncated at open: a file that cannot be opened keeps its content.
    Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return runtimeErrorFromErrno(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return runtimeErrorFromErrno(errno);
    if (!S_ISREG(st.st_mode)) return notARegularFile();
    if (::ftruncate(fd.get(), 0) != 0) return runtimeErrorFromErrno(errno);
    if (const int e = writeAll(fd.get(), bytes)) return runtimeErrorFromErrno(e);
    if (::fsync(fd.get()) != 0) return runtimeErrorFromErrno(errno);
    if (fd.reset() != 0) return runtimeErrorFromErrno(errno);
    return std::nullopt;
}

int PosixFileSystem::writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write_(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

std::optional<RuntimeError> PosixFileSystem::probeWritable(const std::string& path) {
    if (path.empty()) return runtimeError(err::BadFileName);
    // Opening a FIFO for writing waits for a reader.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return notARegularFile();
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (fd.get() < 0) return runtimeErrorFromErrno(errno);
    return std::nullopt;
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> PosixFileSystem::fileNames(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        // A link to a regular file counts, as the file it names would.
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    return names;
}

std::string PosixFileSystem::fullPath(const std::string& path) {
    if (path.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return {};
    return absolute.lexically_normal().string();
}

std::optional<RuntimeError> PosixFileSystem::createFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && std::filesystem::is_directory(folder, ec)) return std::nullopt;
    return runtimeErrorFromErrno(ec ? ec.value() : ENOTDIR);
}

}  // namespace velloran
