#pragma once
// When poll passes start: every poll interval, but never before the previous pass has ended (a
// macro with long key holds delays the next pass instead of piling passes up).
#include <algorithm>

namespace velloran {

inline double nextPassStart(double previousStart, double previousEnd, double pollInterval) {
    return std::max(previousStart + pollInterval, previousEnd);
}

}  // namespace velloran
