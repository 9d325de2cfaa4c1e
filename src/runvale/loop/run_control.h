#pragma once
// The requests that reach a run from outside: SIGINT and SIGTERM stop it, SIGHUP reloads its file,
// and another thread (the tray icon's Quit) may stop it too. Signals are read from a signalfd and
// stop requests from an eventfd, so no work happens in a signal handler and a wait between passes
// wakes as soon as a request arrives.
#include <memory>

#include "base/result.h"

namespace velloran::runvale {

class RunControl {
public:
    // Blocks the three signals in the calling thread; threads started later inherit that, so
    // call it before any other thread starts.
    static Result<std::unique_ptr<RunControl>> create();
    ~RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // Waits up to `milliseconds`, less when a request arrives; takes in the requests pending.
    void wait(double milliseconds);
    // Takes in pending requests without waiting.
    void poll() { wait(0); }

    bool stopRequested() const { return stop_; }
    // Whether a reload was asked for since the previous call.
    bool takeReload();

    // Asks the run to stop; safe from any thread.
    void requestStop();

private:
    RunControl(int signalFd, int eventFd) : signalFd_(signalFd), eventFd_(eventFd) {}
    void drainSignals();

    int signalFd_;
    int eventFd_;
    bool stop_ = false;
    bool reload_ = false;
};

}  // namespace velloran::runvale
