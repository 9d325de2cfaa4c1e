#include "base/ole_colour.h"

#include <cmath>

namespace velloran {

QColor oleColour(std::uint32_t ole) {
    return QColor(static_cast<int>(ole & 0xFFu), static_cast<int>((ole >> 8) & 0xFFu),
                  static_cast<int>((ole >> 16) & 0xFFu));
}

int twipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

}  // namespace velloran
