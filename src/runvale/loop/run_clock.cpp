#include "loop/run_clock.h"

namespace velloran::runvale {

void RunClock::sleepMs(double milliseconds) {
    const double until = now() + milliseconds / 1000;
    for (double left = milliseconds; left > 0 && !control_.stopRequested();
         left = (until - now()) * 1000) {
        control_.wait(left);
    }
    if (control_.stopRequested() && !stopSeen_) {
        stopSeen_ = true;
        if (onStop_) onStop_();
    }
}

}  // namespace velloran::runvale
