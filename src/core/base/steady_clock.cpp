#include "base/steady_clock.h"

#include <chrono>
#include <thread>

namespace velloran {

double SteadyClock::now() {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SteadyClock::sleepMs(double milliseconds) {
    if (milliseconds <= 0) return;
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
}

}  // namespace velloran
