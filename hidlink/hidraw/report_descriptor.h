#pragma once
// Where a board's buttons sit in its input reports, read from its HID report descriptor. Only what
// reading buttons needs is kept: the bit fields on the Button page and the length of each input
// report.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace hidlink {

struct ButtonField {
    int reportId = 0;   // 0 when the descriptor declares no report IDs
    int bitOffset = 0;  // from the first data byte, after the report ID byte
    int bitSize = 1;
    int button = 0;  // 1-based: the Button page usage
};

struct ReportLayout {
    bool usesReportIds = false;
    // Input report lengths in bytes by report ID, the report ID byte included.
    std::map<int, std::size_t> inputLengths;
    std::vector<ButtonField> buttons;
    int buttonCount = 0;  // the highest button number, at most 512
};

// Nothing when the descriptor is malformed: an item runs past the end, Pop without Push, an input
// report longer than 16 KiB. Buttons are the variable fields of Button page usages 1..512; button
// arrays (fields that list the pressed usages) are not read.
std::optional<ReportLayout> parseReportDescriptor(std::span<const std::uint8_t> descriptor);

// The buttons in one input report; the state keeps buttons the report does not carry. Returns false
// when the report's ID is unknown or the report is shorter than its fields.
bool applyReport(const ReportLayout& layout, std::span<const std::uint8_t> report,
                 std::span<std::uint8_t> state);

}  // namespace hidlink
