#pragma once
// The launcher and the trash of the document commands: both write down what they were asked.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"
#include "session/document_services.h"

namespace velloran::testing {

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

// Takes the file out of `files`, or without them deletes the real file, so that no test fills
// the user's trash.
class FakeTrash : public Trash {
public:
    explicit FakeTrash(MemoryFiles* files = nullptr) : files_(files) {}
    std::vector<std::string> trashed;

    std::vector<std::string> deleted;
    std::optional<RuntimeError> trashError;  // a volume without a trash

    std::optional<RuntimeError> moveToTrash(const std::string& path) override {
        if (trashError) return trashError;
        trashed.push_back(path);
        remove(path);
        return std::nullopt;
    }
    std::optional<RuntimeError> deletePermanently(const std::string& path) override {
        deleted.push_back(path);
        remove(path);
        return std::nullopt;
    }

private:
    void remove(const std::string& path) {
        if (files_ != nullptr) {
            files_->files.erase(path);
        } else {
            std::error_code ec;
            std::filesystem::remove(path, ec);
        }
    }
    MemoryFiles* files_;
};

}  // namespace velloran::testing
