#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>


namespace velloran {
namespace {

constexpr int kStartTimeoutMs = 10000;

}  // namespace

XvfbServer::XvfbServer(const std::vector<std::string>& extraArgs) {
    int ready[2];
    if (::pipe(ready) != 0) {
        problem_ = "no pipe for Xvfb";
        return;
    }
    std::vector<std::string> args = {"Xvfb",     "-displayfd", std::to_string(ready[1]),
                                     "-nolisten", "tcp",        "-screen",
                                     "0",         "320x240x24"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(ready[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(ready[1]);
    // Xvfb writes the display number once it accepts connections.
    std::string number;
    for (;;) {
        pollfd readable{ready[0], POLLIN, 0};
        if (::poll(&readable, 1, kStartTimeoutMs) <= 0) break;
        char c = 0;
        if (::read(ready[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    ::close(ready[0]);
    if (pid_ < 0 || number.empty()) {
        int status = 0;
        installed_ = !(pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status) &&
                       WEXITSTATUS(status) == 127);
        problem_ = installed_ ? "Xvfb did not start" : "Xvfb is not installed (package xvfb)";
        pid_ = -1;
        return;
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
}

}  // namespace velloran
