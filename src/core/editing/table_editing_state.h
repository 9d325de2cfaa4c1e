#pragma once
// What the Mapping table's editing handlers remember between events: the step column that receives
// recorded keys, the last mouse-up hit, the row whose Description is being edited and the pictures
// of the step column headers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "table/mapping_row.h"

namespace velloran {

// A point of the table as the view's hit test resolved it: a 0-based row (negative when no row
// was hit) and a sub-item 0..40.
struct TableHit {
    int row = -1;
    int subItem = 0;

    bool operator==(const TableHit&) const = default;
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// Pictures of the step column headers (numbers 10..41, one per sub-item 9..40).
namespace header_image {
inline constexpr int Idle = 12;       // not the current column
inline constexpr int Recording = 13;  // the current column while recording
inline constexpr int Current = 14;    // the current column while not recording
}  // namespace header_image

inline constexpr int kFirstStepHeader = col::FirstPress + 1;  // header 10
inline constexpr int kLastStepHeader = col::LastStep + 1;     // header 41
inline constexpr int kStepHeaderCount = kLastStepHeader - kFirstStepHeader + 1;

// Pictures of ComRec.
inline constexpr const char* kRecOnPicture = "rec_on";
inline constexpr const char* kRecOffPicture = "rec_off";

class StepHeaderImages {
public:
    StepHeaderImages() { reset(); }

    // Picture of header 10..41; header numbers outside the step columns are a caller's error.
    int at(int header) const { return images_.at(slot(header)); }
    void set(int header, int image) { images_.at(slot(header)) = image; }
    // Every step header back to the idle picture.
    void reset() { images_.fill(header_image::Idle); }

    bool operator==(const StepHeaderImages&) const = default;

private:
    static std::size_t slot(int header) {
        return static_cast<std::size_t>(header - kFirstStepHeader);
    }
    std::array<int, kStepHeaderCount> images_{};
};

struct TableEditingState {
    std::string recPicture = kRecOffPicture;
    // Sub-item of the step column that receives the next recorded Key step; 0 for none.
    int currentColumn = 0;
    TableHit lastMouseUp;  // what a double click acts on
    // Identity of the row whose Description the floating editor holds.
    std::optional<std::uint64_t> editedRow;
    StepHeaderImages stepHeaders;
};

}  // namespace velloran
