#pragma once
// The built runvale binary, run as users run it: to its end, or in the background while a test
// watches its standard error and signals it.
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/fixtures.h"
#include "common/process.h"
#include "common/temp_folder.h"

namespace runvale_test {

using velloran::testing::fixturePath;
using velloran::testing::ProgramRun;
using velloran::testing::readBytes;
using velloran::testing::TempFolder;
using velloran::testing::writeBytes;
using Env = std::vector<std::pair<std::string, std::string>>;

inline ProgramRun runRunvale(const std::vector<std::string>& args) {
    return velloran::testing::runProgram(RUNVALE_BINARY, args);
}
inline std::string fixture(const std::string& name) {
    return fixturePath(name).string();
}

// A runvale process, headless (no display), with `env` added to the environment.
class Runvale {
public:
    Runvale(const std::vector<std::string>& args, const Env& env);
    ~Runvale();
    Runvale(const Runvale&) = delete;
    Runvale& operator=(const Runvale&) = delete;

    // Waits until standard error holds `text` after position `from`; false on timeout or exit.
    bool waitForErr(const std::string& text, std::size_t from = 0,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::string err() const { return readBytes(capture_.path("stderr")); }
    std::string out() const { return readBytes(capture_.path("stdout")); }
    void signal(int signalNumber);
    // The exit status once the process has ended within `timeout`; -1 for a death by signal.
    std::optional<int> waitExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    TempFolder capture_;
    int pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

}  // namespace runvale_test
