#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace velloran {
namespace {

constexpr int kStartTimeoutMs = 10000;

}  // namespace

std::string xvfbProgram() {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = dir + "/Xvfb";
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

XvfbServer::XvfbServer(const std::vector<std::string>& extraArgs) {
    const std::string program = xvfbProgram();
    if (program.empty()) {
        problem_ = "Xvfb is not installed (package xvfb)";
        return;
    }
    int ready[2];
    if (::pipe(ready) != 0) {
        problem_ = "no pipe for Xvfb";
        return;
    }
    std::vector<std::string> args = {program,     "-displayfd", std::to_string(ready[1]),
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
        ::execv(argv[0], argv.data());
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
        problem_ = "Xvfb did not start";
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
