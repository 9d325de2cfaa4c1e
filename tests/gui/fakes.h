#pragma once
// Scripted message boxes and file dialogs for the widget tests.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/file_dialogs.h"
#include "base/message_box.h"

namespace velloran::testing {

class FakeMessageBoxes final : public MessageBoxes {
public:
    std::vector<Message> shown;
    std::deque<Answer> answers;  // answers to ask(), in order; No when none is left

    void message(Icon icon, const std::string& title, const std::string& text) override {
        shown.push_back({icon, title, text, Buttons::Ok});
    }
    Answer ask(Icon icon, const std::string& title, const std::string& text,
               Buttons buttons) override {
        shown.push_back({icon, title, text, buttons});
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Every dialog is cancelled.
class CancelledFileDialogs final : public FileDialogs {
public:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

}  // namespace velloran::testing
