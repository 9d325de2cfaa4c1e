#pragma once
// A Mapping row: one device button with its flags and its 16 press and 16 release Key steps.
// Sub-items are numbered 1..40 as the table's columns; column 0 is the row's own text.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "table/cell_text.h"
#include "table/tag.h"

namespace velloran {

namespace col {
inline constexpr int Button = 0;
inline constexpr int DeviceId = 1;
inline constexpr int Repeat = 2;
inline constexpr int Rotary = 3;
inline constexpr int Multiplier = 4;
inline constexpr int Description = 5;
inline constexpr int NumLock = 6;
inline constexpr int CapsLock = 7;
inline constexpr int ScrollLock = 8;
inline constexpr int FirstPress = 9;     // "On Press 1"
inline constexpr int FirstRelease = 25;  // "On Release 1"
inline constexpr int LastStep = 40;      // "On Release 16"
inline constexpr int Count = 41;
}  // namespace col

inline constexpr int kStepsPerMacro = 16;

inline constexpr bool isStepColumn(int subItem) {
    return subItem >= col::FirstPress && subItem <= col::LastStep;
}

// The header caption of a column 0..40 ("Button No.", ..., "On Release 16").
std::string headerText(int column);

// Row colours (OLE colours, blue-green-red from the high byte down); the row Tag holds one.
namespace colour {
inline constexpr std::uint32_t ActiveRow = 0xF9F7F7;
inline constexpr std::uint32_t InactiveRow = 0xE0E0E0;
inline constexpr std::uint32_t SelectedRow = 0xF5CABF;
inline constexpr std::uint32_t RecordingSelectedRow = 0xE1E1FF;
inline constexpr std::uint32_t PressedRow = 0xD0FFCC;
inline constexpr std::uint32_t TemplateBackground = 0xCED3D6;
inline constexpr std::uint32_t TableBackground = 0xF9F7F7;
}  // namespace colour

// An empty Key step holds a single blank in text and Tag.
inline constexpr std::string_view kEmptyStep = " ";

struct Cell {
    CellText text;
    Tag tag;

    bool operator==(const Cell&) const = default;
};

struct MappingRow {
    std::uint64_t id = 0;  // stable identity within its table, never reused
    std::string text;      // the button number
    std::uint32_t colour = colour::InactiveRow;
    int icon = 1;  // image of the row icon list: 1 idle, 2 held during a test
    std::array<Cell, col::Count - 1> sub{};

    Cell& cell(int subItem) { return sub.at(static_cast<std::size_t>(subItem - 1)); }
    const Cell& cell(int subItem) const { return sub.at(static_cast<std::size_t>(subItem - 1)); }

    // Sets a flag column: text "On"/"Off" following a Boolean Tag.
    void setFlag(int subItem, bool on) { cell(subItem) = Cell{on ? "On" : "Off", Tag::boolean(on)}; }
    bool flag(int subItem) const { return cell(subItem).tag.isTrue(); }

    // Whether the row is marked active (Description Tag True).
    bool active() const { return cell(col::Description).tag.isTrue(); }

    bool sameContent(const MappingRow& o) const {
        return text == o.text && colour == o.colour && icon == o.icon && sub == o.sub;
    }
};

}  // namespace velloran
