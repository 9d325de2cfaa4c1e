#pragma once
// The simulator's file as last read. It is read again whenever its size, time or inode changes;
// events added at its end are news, while any other change starts the events over.
#include <cstdint>
#include <string>

#include "sim_script.h"

namespace hidlink {

class SimFile {
public:
    explicit SimFile(std::string path) : path_(std::move(path)) {}

    // Reads the file again if it changed; false while it is missing.
    bool refresh();
    const SimScript& script() const { return script_; }
    // Counts the changes that were not plain appends of events.
    unsigned restarts() const { return restarts_; }

private:
    struct Signature {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool operator==(const Signature&) const = default;
    };

    std::string path_;
    bool present_ = false;
    Signature signature_;
    SimScript script_;
    unsigned restarts_ = 0;
};

}  // namespace hidlink
