#include "runvale_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace runvale_test {

namespace {

bool named(const char* entry, const std::string& name) {
    return std::strncmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == '=';
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

Runvale::Runvale(const std::vector<std::string>& args, const Env& env) {
    std::vector<std::string> envStrings;
    for (char** e = environ; *e != nullptr; ++e) {
        bool replaced = named(*e, "DISPLAY") || named(*e, "WAYLAND_DISPLAY");
        for (const auto& [name, value] : env) replaced = replaced || named(*e, name);
        if (!replaced) envStrings.emplace_back(*e);
    }
    for (const auto& [name, value] : env) envStrings.push_back(name + "=" + value);
    std::vector<std::string> argStrings{RUNVALE_BINARY};
    argStrings.insert(argStrings.end(), args.begin(), args.end());

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string outPath = capture_.path("stdout").string();
    const std::string errPath = capture_.path("stderr").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, RUNVALE_BINARY, &actions, nullptr,
                                    pointers(argStrings).data(), pointers(envStrings).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " RUNVALE_BINARY);
    pid_ = pid;
}

Runvale::~Runvale() {
    if (!reaped_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status_, 0);
    }
}

bool Runvale::waitForErr(const std::string& text, std::size_t from,
                         std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < until) {
        if (err().find(text, from) != std::string::npos) return true;
        if (!reaped_ && ::waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
        if (reaped_) return err().find(text, from) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void Runvale::signal(int signalNumber) {
    if (!reaped_) ::kill(pid_, signalNumber);
}

std::optional<int> Runvale::waitExit(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!reaped_) {
        if (::waitpid(pid_, &status_, WNOHANG) == pid_) {
            reaped_ = true;
            break;
        }
        if (std::chrono::steady_clock::now() >= until) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

}  // namespace runvale_test
