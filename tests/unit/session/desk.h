#pragma once
// A desk to run the document commands on: scripted message boxes and dialogs, files in
// memory, the in-memory settings store, and a session with one two-button pad.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/scripted_boxes.h"
#include "file_format/configuration_file.h"
#include "session/document_services.h"
#include "session/editor_session.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"

namespace velloran::testing {

// Answers dialogs from a queue; nullopt is a cancel.
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
            ADD_FAILURE() << "unexpected dialog";
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Files as path → content, with errors injected per path.
class MemoryFiles : public FileSystem, public Folders {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, RuntimeError> readErrors;
    std::map<std::string, RuntimeError> writeErrors;
    std::map<std::string, RuntimeError> probeErrors;
    std::string currentFolder = "/home/user/";
    int writes = 0;

    Result<std::string> readFile(const std::string& path) override;
    std::optional<RuntimeError> writeFileAtomically(const std::string& path,
                                                    std::string_view bytes) override;
    std::optional<RuntimeError> probeWritable(const std::string& path) override;
    bool exists(const std::string& path) override { return files.contains(path); }
    std::vector<std::string> fileNames(const std::string& folder) override;
    std::string fullPath(const std::string& path) override;
    std::set<std::string> folders;
    std::map<std::string, RuntimeError> folderErrors;
    std::optional<RuntimeError> createFolder(const std::string& folder) override {
        if (auto it = folderErrors.find(folder); it != folderErrors.end()) return it->second;
        folders.insert(folder);
        return std::nullopt;
    }
};

class FakeLauncher : public Launcher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };
    std::vector<Start> starts;
    bool succeeds = true;

    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override {
        starts.push_back({program, arguments, workingFolder});
        return succeeds;
    }
    std::set<std::string> playing;  // the files a runvale plays

    bool runnerPlays(const std::string& configuration) override {
        return playing.contains(configuration);
    }
};

// Takes files out of MemoryFiles.
class FakeTrash : public Trash {
public:
    explicit FakeTrash(MemoryFiles& files) : files_(files) {}
    std::vector<std::string> trashed;
    std::vector<std::string> deleted;
    std::optional<RuntimeError> trashError;  // a volume without a trash

    std::optional<RuntimeError> moveToTrash(const std::string& path) override {
        if (trashError) return trashError;
        trashed.push_back(path);
        files_.files.erase(path);
        return std::nullopt;
    }
    std::optional<RuntimeError> deletePermanently(const std::string& path) override {
        deleted.push_back(path);
        files_.files.erase(path);
        return std::nullopt;
    }

private:
    MemoryFiles& files_;
};

inline constexpr const char* kConfigFolder = "/home/user/.local/share/velloran/config/";

struct Desk {
    ScriptedBoxes boxes;
    ScriptedDialogs dialogs;
    MemoryStore store;
    MemoryFiles files;
    FakeLauncher launcher;
    FakeTrash trash{files};
    DocumentServices services{
        boxes,
        dialogs,
        store,
        files,
        files,
        launcher,
        trash,
        SessionPaths{"/home/user/.local/share/velloran/", "/usr/share/", "/usr/bin/"}};
    EditorSession session;

    // A started session with a two-button pad attached.
    Desk();

    // The store value of an entry ("path", "icon path").
    std::string entry(const std::string& key, const char* name = settings::kEntryPath);
    // A configuration file on disk with `buttons` rows of the pad, and its bytes.
    std::string putFile(const std::string& path, int buttons = 2);
    // The keys of the list in display order.
    std::vector<std::string> listKeys() const;
    std::vector<std::string> tabKeys() const;
    const ListEntry& item(const std::string& key) const;
};

}  // namespace velloran::testing
