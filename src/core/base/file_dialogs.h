#pragma once
// The one interface through which the core asks the user for a file. The editor implements it
// with the platform's file dialogs, tests with scripted answers.
#include <optional>
#include <string>

namespace velloran {

struct FileDialogRequest {
    std::string title;
    // Pairs of label and patterns joined by "|", patterns separated by ";":
    // "All Files (*.*)|*.*|Velloran Files (*.vlz)|*.vlz".
    std::string filter;
    int filterIndex = 1;  // 1-based pair of `filter` selected when the dialog opens
    std::string initialName;
    bool overwritePrompt = false;  // save dialog: confirm replacing an existing file
    // The folder the dialog opens in; never the program's working folder.
    std::string folder;
    // Save dialog: the extension (without dot) a name typed without one gets.
    std::string defaultSuffix;

    bool operator==(const FileDialogRequest&) const = default;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

}  // namespace velloran
