#pragma once
// Virtual time and a readable form of what a recording output was sent.
#include <cstdio>
#include <string>
#include <vector>

#include "base/clock.h"
#include "keys/recording_output.h"

namespace velloran::testing {

class FakeClock : public Clock {
public:
    double now() override { return now_; }
    void sleepMs(double milliseconds) override {
        sleeps.push_back(milliseconds);
        now_ += milliseconds / 1000;
    }
    void advanceMs(double milliseconds) { now_ += milliseconds / 1000; }

    std::vector<double> sleeps;

private:
    double now_ = 1000;
};

// The batches as "+1E -1E | ..." ('+' down, '-' up, set-1 codes in hex), one group per batch.
inline std::string keysText(const std::vector<SentBatch>& batches) {
    std::string out;
    for (const SentBatch& b : batches) {
        if (!out.empty()) out += " | ";
        std::string group;
        for (const KeyRecord& r : b.records) {
            char code[8];
            std::snprintf(code, sizeof code, "%c%02X", r.keyUp ? '-' : '+', r.scanCode);
            if (!group.empty()) group += ' ';
            group += code;
        }
        out += group;
    }
    return out;
}

}  // namespace velloran::testing
