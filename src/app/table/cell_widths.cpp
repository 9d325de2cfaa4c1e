#include "table/cell_widths.h"

#include <QString>
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velloran {
namespace {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

class TextWidths {
public:
    explicit TextWidths(const QFontMetrics& font) : font_(font) {}

    int operator()(std::string_view text) {
        if (const auto it = cache_.find(text); it != cache_.end()) return it->second;
        const int width = font_.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        cache_.emplace(std::string(text), width);
        return width;
    }

private:
    const QFontMetrics& font_;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> cache_;
};

}  // namespace

ColumnWidths measureCellWidths(const MappingTable& table, const CellMetrics& metrics) {
    ColumnWidths widths{};
    TextWidths textWidth(metrics.font);
    for (const MappingRow& row : table.rows()) {
        widths[0] = std::max(widths[0], textWidth(row.text));
        for (int c = 1; c < col::Count; ++c) {
            const auto i = static_cast<std::size_t>(c);
            widths[i] = std::max(widths[i], textWidth(row.cell(c).text));
        }
    }
    for (int& w : widths) w += metrics.padding;
    widths[0] += metrics.rowIconWidth;
    return widths;
}

}  // namespace velloran
