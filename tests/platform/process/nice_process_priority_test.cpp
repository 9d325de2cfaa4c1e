#include "process/nice_process_priority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <future>
#include <string>
#include <thread>

namespace velloran {
namespace {

constexpr int kCapSysNice = 23;

// Whether this process may lower its nice value below 0: CAP_SYS_NICE, or a nice limit that
// reaches -10 (RLIMIT_NICE counts 20 - nice).
bool mayRaise() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("CapEff:", 0) == 0) {
            unsigned long long caps = std::stoull(line.substr(7), nullptr, 16);
            if (caps & (1ULL << kCapSysNice)) return true;
        }
    }
    rlimit limit{};
    return getrlimit(RLIMIT_NICE, &limit) == 0 && limit.rlim_cur >= 20 - kHighNice;
}

int niceOf(pid_t tid) {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
}

class NiceProcessPriorityTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(setpriority(PRIO_PROCESS, 0, 0), 0); }
    void TearDown() override { setpriority(PRIO_PROCESS, 0, 0); }
    NiceProcessPriority priority_;
};

// Every thread of the process is raised, not only the calling one.
TEST_F(NiceProcessPriorityTest, HighAndNormalRoundTripOnEveryThread) {
    EXPECT_EQ(priority_.get(), priority::Normal);
    if (!mayRaise()) {
        EXPECT_EQ(priority_.set(priority::High), priority::Normal);
        EXPECT_EQ(niceOf(0), 0);
        GTEST_SKIP() << "raising is not permitted here: only the refused change was checked";
    }
    std::promise<pid_t> tidPromise;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        tidPromise.set_value(static_cast<pid_t>(syscall(SYS_gettid)));
        while (!done) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    const pid_t tid = tidPromise.get_future().get();
    EXPECT_EQ(priority_.set(priority::High), priority::High);
    EXPECT_EQ(niceOf(0), kHighNice);
    EXPECT_EQ(niceOf(tid), kHighNice);
    EXPECT_EQ(priority_.get(), priority::High);
    EXPECT_EQ(priority_.set(priority::Normal), priority::Normal);
    EXPECT_EQ(niceOf(0), 0);
    EXPECT_EQ(niceOf(tid), 0);
    done = true;
    worker.join();
}

// Without the right to raise, the request is dropped silently and the class stays normal.
TEST_F(NiceProcessPriorityTest, RefusedRaiseIsSilentAndReadsBackNormal) {
    if (geteuid() != 0 && mayRaise()) GTEST_SKIP() << "this user may raise; nothing is refused";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(3);
        rlimit noRaise{0, 0};
        setrlimit(RLIMIT_NICE, &noRaise);
        NiceProcessPriority priority;
        const bool refused = priority.set(priority::High) == priority::Normal &&
                             priority.get() == priority::Normal && niceOf(0) == 0;
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 3) << "could not drop to an unprivileged user";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace velloran
