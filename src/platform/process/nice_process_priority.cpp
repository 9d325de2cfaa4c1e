#include "process/nice_process_priority.h"

#include <sys/resource.h>
#include <sys/types.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace velloran {
namespace {

// Linux keeps a nice value per thread, and setpriority(PRIO_PROCESS, 0) changes only the calling
// one; every thread of the process gets the new value so the whole program runs at the class.
void setNiceOfAllThreads(int nice) {
    std::error_code ec;
    std::filesystem::directory_iterator tasks("/proc/self/task", ec);
    if (ec) {
        setpriority(PRIO_PROCESS, 0, nice);
        return;
    }
    for (const auto& task : tasks) {
        const std::string name = task.path().filename();
        char* end = nullptr;
        const long tid = std::strtol(name.c_str(), &end, 10);
        if (end == name.c_str() || *end != '\0') continue;
        // A thread that ended meanwhile fails with ESRCH; a refusal is as silent as elsewhere.
        setpriority(PRIO_PROCESS, static_cast<id_t>(tid), nice);
    }
}

}  // namespace

int NiceProcessPriority::get() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    if (nice == -1 && errno != 0) return priority::Normal;
    return nice < 0 ? priority::High : priority::Normal;
}

int NiceProcessPriority::set(int priorityClass) {
    if (priorityClass == priority::High) {
        setNiceOfAllThreads(kHighNice);
    } else if (priorityClass == priority::Normal) {
        setNiceOfAllThreads(0);
    }
    return get();
}

}  // namespace velloran
