#include "process/nice_process_priority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace velloran {
namespace {

// Whether this process may go below nice 0; tried rather than worked out from capabilities and
// limits. Going back up is always allowed.
bool mayRaise() {
    const bool raised = setpriority(PRIO_PROCESS, 0, kHighNice) == 0;
    setpriority(PRIO_PROCESS, 0, 0);
    return raised;
}

int niceOf(pid_t tid) {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
}

// Every thread of the process is raised, not only the calling one.
TEST(NiceProcessPriority, HighAndNormalRoundTripOnEveryThread) {
    if (!mayRaise()) GTEST_SKIP() << "raising is not permitted here";
    NiceProcessPriority priority;
    std::atomic<pid_t> tid{0};
    const std::jthread worker([&](const std::stop_token& stop) {
        tid = static_cast<pid_t>(syscall(SYS_gettid));
        while (!stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    while (tid == 0) std::this_thread::yield();
    EXPECT_EQ(priority.set(priority::High), priority::High);
    EXPECT_EQ(std::make_pair(niceOf(0), niceOf(tid)), std::make_pair(kHighNice, kHighNice));
    EXPECT_EQ(priority.set(priority::Normal), priority::Normal);
    EXPECT_EQ(std::make_pair(niceOf(0), niceOf(tid)), std::make_pair(0, 0));
}

// Without the right to raise (dropped in a child), the request is dropped silently.
TEST(NiceProcessPriority, RefusedRaiseIsSilentAndReadsBackNormal) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
        const rlimit noRaise{0, 0};
        setrlimit(RLIMIT_NICE, &noRaise);
        if (mayRaise()) _exit(2);
        NiceProcessPriority priority;
        _exit(priority.set(priority::High) == priority::Normal && niceOf(0) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "the right to raise cannot be dropped here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace velloran
