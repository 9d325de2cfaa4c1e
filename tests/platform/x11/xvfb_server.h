#pragma once
// A private Xvfb for one test: it picks a free display number itself (-displayfd), listens on no
// TCP port, and is ended when the object goes.
#include <sys/types.h>

#include <string>
#include <vector>

namespace velloran {

class XvfbServer {
public:
    // extraArgs go to Xvfb as they are (e.g. "-tst" to run it without XTEST).
    explicit XvfbServer(const std::vector<std::string>& extraArgs = {});
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return problem_.empty(); }
    // False when no Xvfb program is on PATH.
    bool installed() const { return installed_; }
    // Why the server is not running; "" while it runs.
    const std::string& problem() const { return problem_; }
    // ":N"
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    bool installed_ = true;
    std::string display_;
    std::string problem_;
};


}  // namespace velloran
