#include "report_descriptor.h"

#include <algorithm>

namespace hidlink {

namespace {

constexpr std::uint32_t kButtonPage = 0x09;
constexpr int kMaxButtons = 512;
// The kernel's largest HID report; guards the arithmetic and the work against hostile counts.
constexpr long kMaxReportBits = 16384L * 8;

enum ItemType { Main = 0, Global = 1, Local = 2 };
enum MainTag { Input = 0x8 };
enum GlobalTag {
    UsagePage = 0x0,
    ReportSize = 0x7,
    ReportId = 0x8,
    ReportCount = 0x9,
    Push = 0xA,
    Pop = 0xB
};
enum LocalTag { Usage = 0x0, UsageMinimum = 0x1, UsageMaximum = 0x2 };
enum InputFlag { Constant = 0x1, Variable = 0x2 };

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    int reportId = 0;
};

// Usages are kept with their page: a 4-byte usage names its own page, a shorter one takes the
// page in force when the local item is read. A single usage is a range of one.
struct UsageRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
};

struct Locals {
    std::vector<UsageRange> ranges;
    std::optional<std::uint32_t> minimum;
    std::optional<std::uint32_t> maximum;
};

std::uint32_t withPage(std::uint32_t value, int size, const Globals& g) {
    return size == 4 ? value : (g.usagePage << 16) | value;
}

// The usages of the first `fields` fields of a main item; fields beyond the named usages have
// none.
std::vector<std::uint32_t> fieldUsages(const Locals& locals, std::uint32_t fields) {
    std::vector<std::uint32_t> usages;
    for (const auto& r : locals.ranges) {
        for (std::uint64_t u = r.first; u <= r.last && usages.size() < fields; ++u) {
            usages.push_back(static_cast<std::uint32_t>(u));
        }
    }
    return usages;
}

}  // namespace

std::optional<ReportLayout> parseReportDescriptor(std::span<const std::uint8_t> d) {
    ReportLayout layout;
    Globals g;
    std::vector<Globals> stack;
    Locals locals;
    std::map<int, long> inputBits;

    for (std::size_t i = 0; i < d.size();) {
        const std::uint8_t prefix = d[i];
        if (prefix == 0xFE) {  // long item: skipped whole
            if (i + 2 >= d.size()) return std::nullopt;
            i += 3 + d[i + 1];
            if (i > d.size()) return std::nullopt;
            continue;
        }
        const int size = (prefix & 3) == 3 ? 4 : prefix & 3;
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        if (i + 1 + static_cast<std::size_t>(size) > d.size()) return std::nullopt;
        std::uint32_t value = 0;
        for (int k = 0; k < size; ++k) value |= std::uint32_t{d[i + 1 + k]} << (8 * k);
        i += 1 + static_cast<std::size_t>(size);

        if (type == Global) {
            switch (tag) {
                case UsagePage:
                    g.usagePage = value;
                    break;
                case ReportSize:
                    g.reportSize = value;
                    break;
                case ReportCount:
                    g.reportCount = value;
                    break;
                case ReportId:
                    g.reportId = static_cast<int>(value & 0xFF);
                    layout.usesReportIds = true;
                    break;
                case Push:
                    stack.push_back(g);
                    break;
                case Pop:
                    if (stack.empty()) return std::nullopt;
                    g = stack.back();
                    stack.pop_back();
                    break;
                default:
                    break;
            }
        } else if (type == Local) {
            const std::uint32_t usage = withPage(value, size, g);
            if (tag == Usage) locals.ranges.push_back(UsageRange{usage, usage});
            if (tag == UsageMinimum) locals.minimum = usage;
            if (tag == UsageMaximum) locals.maximum = usage;
            if (locals.minimum && locals.maximum) {
                locals.ranges.push_back(UsageRange{*locals.minimum, *locals.maximum});
                locals.minimum.reset();
                locals.maximum.reset();
            }
        } else if (type == Main) {
            // An Input without bits adds nothing to its report: a report made only of such
            // items is never sent, and a zero length could not cut a byte stream into reports.
            if (tag == Input && g.reportSize > 0 && g.reportCount > 0) {
                long& bits = inputBits[g.reportId];
                const long width = static_cast<long>(g.reportSize) * g.reportCount;
                if (g.reportSize > kMaxReportBits || g.reportCount > kMaxReportBits ||
                    bits + width > kMaxReportBits) {
                    return std::nullopt;
                }
                const bool buttons = (value & (Constant | Variable)) == Variable;
                const auto usages = fieldUsages(locals, g.reportCount);
                for (std::size_t f = 0; buttons && f < usages.size(); ++f) {
                    const std::uint32_t number = usages[f] & 0xFFFF;
                    if (usages[f] >> 16 != kButtonPage || number < 1 || number > kMaxButtons ||
                        g.reportSize < 1 || g.reportSize > 32) {
                        continue;
                    }
                    layout.buttons.push_back(
                        ButtonField{g.reportId, static_cast<int>(bits + f * g.reportSize),
                                    static_cast<int>(g.reportSize), static_cast<int>(number)});
                    layout.buttonCount = std::max(layout.buttonCount, static_cast<int>(number));
                }
                bits += width;
            }
            locals = Locals{};
        }
    }
    for (const auto& [id, bits] : inputBits) {
        layout.inputLengths[id] =
            static_cast<std::size_t>((bits + 7) / 8) + (layout.usesReportIds ? 1 : 0);
    }
    return layout;
}

bool applyReport(const ReportLayout& layout, std::span<const std::uint8_t> report,
                 std::span<std::uint8_t> state) {
    int id = 0;
    if (layout.usesReportIds) {
        if (report.empty()) return false;
        id = report[0];
        report = report.subspan(1);
    }
    if (!layout.inputLengths.count(id)) return false;
    bool complete = true;
    for (const auto& f : layout.buttons) {
        if (f.reportId != id) continue;
        if (static_cast<std::size_t>(f.bitOffset + f.bitSize) > report.size() * 8) {
            complete = false;
            continue;
        }
        bool down = false;
        for (int b = f.bitOffset; b < f.bitOffset + f.bitSize; ++b) {
            down = down || (report[static_cast<std::size_t>(b / 8)] >> (b % 8) & 1);
        }
        if (static_cast<std::size_t>(f.button - 1) < state.size()) {
            state[static_cast<std::size_t>(f.button - 1)] = down ? 1 : 0;
        }
    }
    return complete;
}

}  // namespace hidlink
