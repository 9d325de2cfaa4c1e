#pragma once
// The process priority class: raised while a test or a run sends keys.

namespace velloran {

namespace priority {
inline constexpr int Normal = 32;
inline constexpr int High = 128;
}  // namespace priority

class ProcessPriority {
public:
    virtual ~ProcessPriority() = default;
    virtual int get() = 0;
    // Sets the class and returns the class read back (unchanged when not permitted).
    virtual int set(int priorityClass) = 0;
};

}  // namespace velloran
