#pragma once
// Message boxes for tests: every box is recorded; questions take their answers from a queue, and
// a question the test did not expect fails it.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "base/message_box.h"

namespace velloran::testing {

class ScriptedBoxes : public MessageBoxes {
public:
    std::vector<Message> shown;
    std::deque<Answer> answers;

    void message(Icon icon, const std::string& title, const std::string& text) override {
        shown.push_back(Message{icon, title, text});
    }
    Answer ask(Icon icon, const std::string& title, const std::string& text,
               Buttons buttons) override {
        shown.push_back(Message{icon, title, text, buttons});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace velloran::testing
