#include "engine/compiled_mappings.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "table/row_state.h"
#include "keys/key_step.h"

namespace velloran {
namespace {

RowSettings settingsOf(const MappingRow& row) {
    RowSettings s;
    s.repeat = row.flag(col::Repeat);
    s.rotary = row.flag(col::Rotary);
    const auto multiplier = row.cell(col::Multiplier).tag.toNumber();
    if (multiplier == 2.0 || multiplier == 4.0 || multiplier == 8.0) {
        s.multiplier = static_cast<int>(*multiplier);
    }
    s.numLock = row.flag(col::NumLock) ? 1 : 0;
    s.capsLock = row.flag(col::CapsLock) ? 1 : 0;
    s.scrollLock = row.flag(col::ScrollLock) ? 1 : 0;
    return s;
}

// The non-blank cells of one macro's 16 columns, packed from step 1.
CompiledRow packedSteps(const MappingRow& row, int firstColumn) {
    CompiledRow out;
    int steps = 0;
    for (int k = 0; k < kStepsPerMacro; ++k) {
        const Cell& cell = row.cell(firstColumn + k);
        if (cell.text == kEmptyStep) continue;
        Decode_Scancodes(out, cell.text, cell.tag.toText(), ++steps);
    }
    return out;
}

}  // namespace

CompiledMappings compileMappings(const MappingTable& table,
                                 std::span<const DetectedDevice> devices) {
    CompiledMappings out;
    const auto rows = static_cast<std::size_t>(table.rowCount());
    out.press.resize(rows);
    out.release.resize(rows);
    out.settings.resize(rows);

    int largest = 0;
    for (const DetectedDevice& d : devices) largest = std::max(largest, d.buttonCount);
    out.map = ButtonMap(static_cast<int>(devices.size()), largest);

    // Rows by their "Button No." text, in table order, so each lookup scans only its candidates.
    std::unordered_map<std::string, std::vector<int>> rowsByButton;
    for (int r = 0; r < table.rowCount(); ++r) rowsByButton[table.row(r).text].push_back(r);

    for (std::size_t d = 0; d < devices.size(); ++d) {
        for (int b = 1; b <= devices[d].buttonCount; ++b) {
            const auto candidates = rowsByButton.find(std::to_string(b));
            if (candidates == rowsByButton.end()) continue;
            for (const int r : candidates->second) {
                const MappingRow& row = table.row(r);
                if (!sameIdentity(row.cell(col::DeviceId).tag.toText(), devices[d].identity)) {
                    continue;
                }
                out.map.set(static_cast<int>(d), b, r);
                const auto at = static_cast<std::size_t>(r);
                out.settings[at] = settingsOf(row);
                out.press[at] = packedSteps(row, col::FirstPress);
                out.release[at] = packedSteps(row, col::FirstRelease);
                break;
            }
        }
    }
    return out;
}

}  // namespace velloran
