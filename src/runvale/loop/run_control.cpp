#include "loop/run_control.h"

#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace velloran::runvale {
namespace {

sigset_t runSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

RuntimeError systemError(const char* what) {
    return RuntimeError{err::DeviceUnavailable, std::string(what) + ": " + std::strerror(errno)};
}

}  // namespace

Result<std::unique_ptr<RunControl>> RunControl::create() {
    const sigset_t set = runSignals();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return systemError("signal mask");
    const int signalFd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd < 0) return systemError("signalfd");
    const int eventFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (eventFd < 0) {
        const RuntimeError error = systemError("eventfd");
        close(signalFd);
        return error;
    }
    return std::unique_ptr<RunControl>(new RunControl(signalFd, eventFd));
}

RunControl::~RunControl() {
    close(signalFd_);
    close(eventFd_);
}

void RunControl::wait(double milliseconds) {
    pollfd fds[2] = {{signalFd_, POLLIN, 0}, {eventFd_, POLLIN, 0}};
    const double ms = std::max(milliseconds, 0.0);
    timespec timeout{};
    timeout.tv_sec = static_cast<time_t>(ms / 1000);
    timeout.tv_nsec = static_cast<long>(std::fmod(ms, 1000.0) * 1e6);
    if (ppoll(fds, 2, &timeout, nullptr) <= 0) return;
    if (fds[0].revents & POLLIN) drainSignals();
    if (fds[1].revents & POLLIN) {
        std::uint64_t count = 0;
        if (read(eventFd_, &count, sizeof count) == sizeof count) stop_ = true;
    }
}

void RunControl::drainSignals() {
    signalfd_siginfo info{};
    while (read(signalFd_, &info, sizeof info) == sizeof info) {
        if (info.ssi_signo == SIGHUP) {
            reload_ = true;
        } else {
            stop_ = true;
        }
    }
}

bool RunControl::takeReload() {
    const bool asked = reload_;
    reload_ = false;
    return asked;
}

void RunControl::requestStop() {
    const std::uint64_t one = 1;
    // Cannot fail short of a counter overflow, which would still leave it readable.
    [[maybe_unused]] const auto written = write(eventFd_, &one, sizeof one);
}

}  // namespace velloran::runvale
