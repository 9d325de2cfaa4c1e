#pragma once
// The priority class as a nice value: high is nice -10, normal is nice 0. Raising needs
// CAP_SYS_NICE or a nice limit (RLIMIT_NICE) that allows it; a refused change is silent and the
// class read back tells the caller what it got.
#include "base/process_priority.h"

namespace velloran {

inline constexpr int kHighNice = -10;

class NiceProcessPriority final : public ProcessPriority {
public:
    // High while the nice value is below 0, else normal.
    int get() override;
    // Known classes are high and normal; any other class changes nothing.
    int set(int priorityClass) override;
};

}  // namespace velloran
