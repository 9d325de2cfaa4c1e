#include "engine/button_map.h"

#include <algorithm>

namespace velloran {

ButtonMap::ButtonMap(int deviceCount, int largestButtonCount)
    : devices_(std::max(deviceCount, 0)),
      buttons_(std::max(largestButtonCount, 0)),
      rows_(static_cast<std::size_t>(devices_) * static_cast<std::size_t>(buttons_), kNoRow) {}

}  // namespace velloran
