#include "table/mapping_row.h"

namespace velloran {

std::string headerText(int column) {
    static constexpr const char* kFixed[] = {"Button No.", "Device ID",  "Repeat",
                                             "Rotary",     "Multiplier", "Description",
                                             "Num Lock",   "Caps Lock",  "Scroll Lock"};
    if (column >= 0 && column < col::FirstPress) return kFixed[column];
    if (column >= col::FirstPress && column < col::FirstRelease)
        return "On Press " + std::to_string(column - col::FirstPress + 1);
    if (column >= col::FirstRelease && column <= col::LastStep)
        return "On Release " + std::to_string(column - col::FirstRelease + 1);
    return "";
}

}  // namespace velloran
