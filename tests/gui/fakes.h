#pragma once
// Scripted message boxes and file dialogs, and the launcher and trash of the widget tests.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/file_dialogs.h"
#include "base/message_box.h"
#include "session/document_services.h"

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

// Answers dialogs from a queue of paths; a cancel when none is left.
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<std::string> answers;
    std::vector<FileDialogRequest> asked;

    std::optional<std::string> openFile(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override { return next(r); }

private:
    std::optional<std::string> next(const FileDialogRequest& r) {
        asked.push_back(r);
        if (answers.empty()) return std::nullopt;
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeLauncher final : public Launcher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };
    std::vector<Start> starts;

    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override {
        starts.push_back({program, arguments, workingFolder});
        return true;
    }
    bool runnerPlays(const std::string&) override { return false; }  // no runvale plays here
};

// Deletes the file and remembers it, so that no test fills the user's trash.
class FakeTrash final : public Trash {
public:
    std::vector<std::string> trashed;

    std::optional<RuntimeError> moveToTrash(const std::string& path) override {
        trashed.push_back(path);
        std::filesystem::remove(path);
        return std::nullopt;
    }
    std::optional<RuntimeError> deletePermanently(const std::string& path) override {
        std::filesystem::remove(path);
        return std::nullopt;
    }
};

}  // namespace velloran::testing
