#include "engine/dry_run_script.h"

#include <charconv>
#include <optional>
#include <string>

#include "devices/hid_record.h"

namespace velloran {
namespace {

struct Word {
    std::string_view text;
    std::size_t start = 0;  // offsets in its line
    std::size_t end = 0;
};

std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i == line.size() || line[i] == '#') break;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        words.push_back(Word{line.substr(start, i - start), start, i});
    }
    return words;
}

template <class T>
std::optional<T> numberOf(std::string_view text) {
    T n{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size() || n < 0) return std::nullopt;
    return n;
}

class Parser {
public:
    Result<DryRunScript> run(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t stop = text.find('\n', start);
            if (stop == std::string_view::npos) stop = text.size();
            ++line_;
            if (!item(text.substr(start, stop - start))) return failure();
            start = stop + 1;
        }
        if (!ended_) return RuntimeError{err::TypeMismatch, "no \"T end\" item"};
        return std::move(script_);
    }

private:
    bool item(std::string_view line) {
        const std::vector<Word> words = wordsOf(line);
        if (words.empty()) return true;
        if (ended_) return fail("nothing may follow the end");
        if (words[0].text == "device") return device(line, words);
        const auto time = numberOf<long long>(words[0].text);
        if (!time) return fail("unknown item \"" + std::string(words[0].text) + "\"");
        if (*time < lastTime_) return fail("time goes back");
        lastTime_ = *time;
        if (words.size() < 2) return fail("missing \"down\", \"up\" or \"end\" after the time");
        if (words[1].text == "end") {
            if (words.size() != 2) return fail("\"end\" takes no more words");
            script_.end = *time;
            ended_ = true;
            return true;
        }
        if (words[1].text != "down" && words[1].text != "up") {
            return fail("unknown item \"" + std::string(words[1].text) + "\"");
        }
        return change(*time, words[1].text == "down", words);
    }

    bool device(std::string_view line, const std::vector<Word>& words) {
        if (!script_.events.empty()) return fail("devices are declared before any event");
        if (words.size() < 3) return fail("\"device\" needs BUTTONS and IDENTITY");
        const auto buttons = numberOf<int>(words[1].text);
        if (!buttons || *buttons < 1 || *buttons > hid::kMaxButtons) {
            return fail("BUTTONS must be a number from 1 to " + std::to_string(hid::kMaxButtons));
        }
        DetectedDevice d;
        d.buttonCount = *buttons;
        d.identity = std::string(words[2].text);
        // The name keeps its inner blanks as written.
        d.displayName =
            words.size() == 3
                ? d.identity
                : std::string(line.substr(words[3].start, words.back().end - words[3].start));
        script_.devices.push_back(std::move(d));
        held_.emplace_back(static_cast<std::size_t>(*buttons) + 1, false);
        return true;
    }

    bool change(long long time, bool down, const std::vector<Word>& words) {
        if (words.size() != 4) return fail("\"down\" and \"up\" need D and B");
        const auto device = numberOf<int>(words[2].text);
        if (!device || *device < 1 || *device > static_cast<int>(script_.devices.size())) {
            return fail("no device " + std::string(words[2].text));
        }
        const auto d = static_cast<std::size_t>(*device - 1);
        const auto button = numberOf<int>(words[3].text);
        if (!button || *button < 1 || *button > script_.devices[d].buttonCount) {
            return fail("device " + std::to_string(*device) + " has no button " +
                        std::string(words[3].text));
        }
        auto state = held_[d].begin() + *button;
        if (*state == down) return fail(down ? "the button is already down" : "the button is up");
        *state = down;
        script_.events.push_back(ScriptedEvent{time, *device, *button, down});
        return true;
    }

    bool fail(std::string text) {
        error_ = std::move(text);
        return false;
    }
    RuntimeError failure() const {
        return RuntimeError{err::TypeMismatch, "line " + std::to_string(line_) + ": " + error_};
    }

    DryRunScript script_;
    std::vector<std::vector<bool>> held_;
    long long lastTime_ = 0;
    bool ended_ = false;
    int line_ = 0;
    std::string error_;
};

}  // namespace

Result<DryRunScript> parseDryRunScript(std::string_view text) {
    return Parser().run(text);
}

}  // namespace velloran
