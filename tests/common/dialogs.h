#pragma once
// File dialogs answering from a queue (nullopt is a cancel). A dialog the test did not script
// fails it.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/file_dialogs.h"
#include "common/unexpected.h"

namespace velloran::testing {

class ScriptedDialogs : public FileDialogs {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> opened;
    std::vector<FileDialogRequest> saved;

    std::optional<std::string> openFile(const FileDialogRequest& r) override {
        opened.push_back(r);
        return next();
    }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override {
        saved.push_back(r);
        return next();
    }

private:
    std::optional<std::string> next() {
        if (answers.empty()) {
            unexpectedCall("file dialog");
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace velloran::testing
