#pragma once
// Exit statuses of the runvale commands, shared by every command that loads a file.
#include "file_format/configuration_file.h"

namespace velloran::runvale {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 2;       // the file could not be loaded or written
inline constexpr int kExitUsage = 2;        // the command line is wrong
inline constexpr int kExitMissingFile = 3;  // the input file is not there

// A file or folder that does not exist is told apart from one that cannot be read, so that
// scripts can tell a wrong path from a broken configuration.
inline int exitStatusFor(const LoadFailure& failure) {
    const int n = failure.error.number;
    return n == err::FileNotFound || n == err::PathNotFound ? kExitMissingFile : kExitFailed;
}

}  // namespace velloran::runvale
