#pragma once
// A runvale process that keeps running while a test watches its standard error and signals it.
// It runs headless (no display) with the extra environment given.
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runvale_process.h"

namespace runvale_test {

class BackgroundRunvale {
public:
    BackgroundRunvale(const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& env);
    ~BackgroundRunvale();
    BackgroundRunvale(const BackgroundRunvale&) = delete;
    BackgroundRunvale& operator=(const BackgroundRunvale&) = delete;

    // Waits until standard error holds `text` after position `from`; false on timeout or exit.
    bool waitForErr(const std::string& text, std::size_t from = 0,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::string err() const;
    std::string out() const;

    void signal(int signalNumber);
    // The exit status once the process has ended within `timeout`; -1 for a death by signal.
    std::optional<int> waitExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    TempDir capture_;
    int pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

}  // namespace runvale_test
