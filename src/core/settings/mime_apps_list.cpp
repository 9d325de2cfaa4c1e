#include "settings/mime_apps_list.h"

#include <vector>

namespace velloran {
namespace {

constexpr std::string_view kDefaults = "[Default Applications]";

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

// Neither blank, a comment nor a group header.
bool isEntry(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t\r");
    return start != std::string_view::npos && line[start] != '#' && line[start] != '[';
}

bool isGroup(std::string_view line) {
    return line.starts_with('[');
}

bool isKeyOf(std::string_view line, std::string_view mimeType) {
    return line.starts_with(mimeType) && line.substr(mimeType.size()).starts_with('=');
}

std::string entryLine(std::string_view mimeType, std::string_view desktopId) {
    return std::string(mimeType) + "=" + std::string(desktopId) + ";";
}

// Index of the defaults group header, or the line count when there is none.
std::size_t defaultsGroup(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == kDefaults) return i;
    }
    return lines.size();
}

// One past the last line of the group that starts at `header`.
std::size_t groupEnd(const std::vector<std::string>& lines, std::size_t header) {
    std::size_t end = header + 1;
    while (end < lines.size() && !isGroup(lines[end])) ++end;
    return end;
}

}  // namespace

std::string withDefaultApplication(std::string_view list, std::string_view mimeType,
                                   std::string_view desktopId) {
    std::vector<std::string> lines = splitLines(list);
    std::size_t header = defaultsGroup(lines);
    if (header == lines.size()) {
        if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
        header = lines.size();
        lines.emplace_back(kDefaults);
    }
    const std::size_t end = groupEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (isKeyOf(lines[i], mimeType)) {
            lines[i] = entryLine(mimeType, desktopId);
            return joinLines(lines);
        }
    }
    // After the group's last entry, before any blank lines that separate it from the next.
    std::size_t at = end;
    while (at > header + 1 && lines[at - 1].empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entryLine(mimeType, desktopId));
    return joinLines(lines);
}

std::string withoutDefaultApplication(std::string_view list, std::string_view mimeType,
                                      std::string_view desktopId) {
    std::vector<std::string> lines = splitLines(list);
    const std::size_t header = defaultsGroup(lines);
    if (header == lines.size()) return std::string(list);
    std::size_t end = groupEnd(lines, header);
    const std::string ours = entryLine(mimeType, desktopId);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i] == ours) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            --end;
            break;
        }
    }
    bool groupUsed = false;
    for (std::size_t i = header + 1; i < end; ++i) groupUsed = groupUsed || isEntry(lines[i]);
    if (!groupUsed) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
    }
    return joinLines(lines);
}

bool holdsEntries(std::string_view list) {
    for (const std::string& line : splitLines(list)) {
        if (isEntry(line)) return true;
    }
    return false;
}

}  // namespace velloran
