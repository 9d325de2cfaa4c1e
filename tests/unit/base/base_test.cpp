#include <gtest/gtest.h>

#include <cerrno>

#include "base/runtime_error.h"
#include "base/steady_clock.h"

namespace velloran {
namespace {

// The error number decides what becomes of a file's list entry and the runner's exit code.
TEST(RuntimeError, ErrnoMapsToFileErrors) {
    const std::pair<int, int> cases[] = {{ENOENT, err::FileNotFound},
                                         {ENOTDIR, err::PathNotFound},
                                         {EACCES, err::PermissionDenied},
                                         {ENOSPC, err::DiskFull},
                                         {EROFS, err::PathFileAccessError}};
    for (const auto& [e, number] : cases) EXPECT_EQ(runtimeErrorFromErrno(e).number, number) << e;
}

TEST(SteadyClock, SleepLastsAtLeastTheAskedTimeOnTheClocksOwnScale) {
    SteadyClock clock;
    const double before = clock.now();
    clock.sleepMs(15.5);
    const double sleptMs = (clock.now() - before) * 1000.0;
    EXPECT_GE(sleptMs, 15.5);
    EXPECT_LT(sleptMs, 1000.0) << "now() counts seconds";
}

}  // namespace
}  // namespace velloran
