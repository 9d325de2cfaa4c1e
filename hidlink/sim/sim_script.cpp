#include "sim_script.h"

#include <algorithm>
#include <charconv>

namespace hidlink {

namespace {

constexpr int kMaxButtons = 512;

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Splits off the first word of `rest`.
std::string_view nextWord(std::string_view& rest) {
    rest = trimmed(rest);
    const auto end = std::min(rest.find_first_of(" \t"), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest = rest.substr(end);
    return word;
}

bool parseNumber(std::string_view word, int low, int high, int& value) {
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

void parseLine(std::string_view line, SimScript& script) {
    std::string_view rest = line;
    const std::string_view keyword = nextWord(rest);
    const std::string id(nextWord(rest));
    if (id.empty()) return;
    int number = 0;
    if (keyword == "board") {
        // A board larger than the read buffer shows its first 512 buttons, as real ones do.
        if (!parseNumber(nextWord(rest), 0, 32767, number) || script.board(id)) return;
        const std::string_view name = trimmed(rest);
        script.boards.push_back(
            SimBoardLine{id, std::min(number, kMaxButtons), name.empty() ? id : std::string(name)});
    } else if (keyword == "press" || keyword == "release") {
        if (!parseNumber(nextWord(rest), 1, kMaxButtons, number)) return;
        script.events.push_back(
            SimEvent{keyword == "press" ? SimEvent::Press : SimEvent::Release, id, number});
    } else if (keyword == "fail") {
        script.events.push_back(SimEvent{SimEvent::Fail, id, 0});
    }
}

}  // namespace

const SimBoardLine* SimScript::board(const std::string& id) const {
    const auto it = std::find_if(boards.begin(), boards.end(),
                                 [&](const SimBoardLine& b) { return b.id == id; });
    return it == boards.end() ? nullptr : &*it;
}

SimScript parseSimScript(std::string_view text) {
    SimScript script;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text = text.substr(std::min(end + 1, text.size()));
        if (!line.empty() && line.front() != '#') parseLine(line, script);
    }
    return script;
}

}  // namespace hidlink
