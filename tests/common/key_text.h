#pragma once
// What a key output was sent, readable: "+1E -1E | +2A" ('+' down, '-' up, set-1 codes in hex),
// one group per batch.
#include <cstdio>
#include <string>
#include <vector>

#include "keys/recording_output.h"

namespace velloran::testing {

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
