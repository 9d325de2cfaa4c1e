#pragma once
// Message boxes for tests: every box is recorded; questions take their answers from a queue. A
// question the test did not script fails it, unless `whenEmpty` gives the answer to use.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/message_box.h"
#include "common/unexpected.h"

namespace velloran::testing {

class ScriptedBoxes : public MessageBoxes {
public:
    std::vector<Message> shown;
    std::deque<Answer> answers;
    std::optional<Answer> whenEmpty;

    void message(Icon icon, const std::string& title, const std::string& text) override {
        shown.push_back(Message{icon, title, text, Buttons::Ok});
    }
    Answer ask(Icon icon, const std::string& title, const std::string& text,
               Buttons buttons) override {
        shown.push_back(Message{icon, title, text, buttons});
        if (answers.empty()) {
            if (whenEmpty) return *whenEmpty;
            unexpectedCall("question: " + text);
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    // The look of a box without its text, for comparisons: icon, title and buttons.
    static Message look(Icon icon, std::string title, Buttons buttons = Buttons::Ok) {
        return Message{icon, std::move(title), {}, buttons};
    }
    std::vector<Message> looks() const {
        std::vector<Message> out;
        for (const Message& m : shown) out.push_back(look(m.icon, m.title, m.buttons));
        return out;
    }
};

}  // namespace velloran::testing
