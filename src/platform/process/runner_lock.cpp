#include "process/runner_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace velloran {
namespace {

// The lock file of a configuration: two names of one file (a link, "./x.vlz") share it.
std::string lockPathFor(const std::string& configuration, std::string& reason) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') {
        reason = "XDG_RUNTIME_DIR is not set";
        return {};
    }
    const std::string folder = std::string(runtime) + "/velloran";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        reason = folder + ": " + std::strerror(errno);
        return {};
    }
    std::error_code ec;
    const std::string canonical = std::filesystem::weakly_canonical(configuration, ec).string();
    // FNV-1a: the name must be the same in every process, which std::hash does not promise.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : ec ? configuration : canonical) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char name[40];
    std::snprintf(name, sizeof name, "/runvale-%016llx.lock", static_cast<unsigned long long>(hash));
    return folder + name;
}

// The process that holds a lock on `fd`; 0 when none does.
int holderOf(int fd) {
    struct flock query {};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    if (::fcntl(fd, F_GETLK, &query) != 0 || query.l_type == F_UNLCK) return 0;
    return query.l_pid;
}

bool lockWhole(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_SETLK, &whole) == 0;
}

}  // namespace

RunnerLock RunnerLock::acquire(const std::string& configuration) {
    RunnerLock lock;
    const std::string path = lockPathFor(configuration, lock.reason_);
    if (path.empty()) return lock;
    lock.fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock.fd_ < 0) {
        lock.reason_ = path + ": " + std::strerror(errno);
        return lock;
    }
    // A holder that ends between the two calls leaves the lock free: try again.
    for (int tries = 0; tries < 3; ++tries) {
        if (lockWhole(lock.fd_)) {
            lock.outcome_ = Outcome::Acquired;
            return lock;
        }
        lock.holder_ = holderOf(lock.fd_);
        if (lock.holder_ > 0) {
            lock.outcome_ = Outcome::Held;
            return lock;
        }
    }
    lock.reason_ = path + ": " + std::strerror(errno);
    return lock;
}

RunnerLock::RunnerLock(RunnerLock&& other) noexcept
    : outcome_(other.outcome_),
      fd_(other.fd_),
      holder_(other.holder_),
      reason_(std::move(other.reason_)) {
    other.fd_ = -1;
}

RunnerLock::~RunnerLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool runnerPlays(const std::string& configuration) {
    std::string reason;
    const std::string path = lockPathFor(configuration, reason);
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = holderOf(fd) > 0;
    ::close(fd);
    return held;
}

}  // namespace velloran
