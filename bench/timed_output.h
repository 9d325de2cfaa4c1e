#pragma once
// A key output for latency benchmarks: records the time of the first batch sent after each
// arm(), from whichever thread sends it.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <span>

#include "base/steady_clock.h"
#include "keys/key_output.h"

namespace velloran {

class TimedOutput final : public KeyOutput {
public:
    bool send(std::span<const KeyRecord>) override {
        const double now = clock_.now();
        std::lock_guard lock(mutex_);
        if (!sent_) {
            sent_ = true;
            at_ = now;
            changed_.notify_all();
        }
        return true;
    }
    int keyState(std::uint16_t) override { return 0; }

    void arm() {
        std::lock_guard lock(mutex_);
        sent_ = false;
    }
    // The time of the batch, or a negative value after a second without one.
    double waitSent() {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, std::chrono::seconds(1), [&] { return sent_; })) return -1;
        return at_;
    }

private:
    SteadyClock clock_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool sent_ = true;
    double at_ = 0;
};

}  // namespace velloran
