#pragma once
// One runvale per configuration file. The runvale that plays a file holds a write lock (fcntl) on
// a file in $XDG_RUNTIME_DIR/velloran named after the configuration's canonical path; the lock
// goes with the process, however it ends, and the system tells who holds it.
#include <string>

namespace velloran {

class RunnerLock {
public:
    enum class Outcome {
        Acquired,  // this process plays the file
        Held,      // another runvale plays it: holder() tells which
        None,      // no runtime folder or no lock file: nothing guards against a second run
    };

    // Takes the lock for `configuration`.
    static RunnerLock acquire(const std::string& configuration);

    RunnerLock(RunnerLock&& other) noexcept;
    RunnerLock& operator=(RunnerLock&&) = delete;
    RunnerLock(const RunnerLock&) = delete;
    RunnerLock& operator=(const RunnerLock&) = delete;
    ~RunnerLock();

    Outcome outcome() const { return outcome_; }
    int holder() const { return holder_; }  // the playing process, when Held
    const std::string& reason() const { return reason_; }  // why None

private:
    RunnerLock() = default;

    Outcome outcome_ = Outcome::None;
    int fd_ = -1;
    int holder_ = 0;
    std::string reason_;
};

// Whether some runvale plays `configuration` now.
bool runnerPlays(const std::string& configuration);

}  // namespace velloran
