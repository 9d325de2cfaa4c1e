#pragma once
// Runs a program to its end and captures what it prints.
#include <string>
#include <utility>
#include <vector>

namespace velloran::testing {

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `env` is added to (or replaces entries of) this process's environment.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& env = {});

}  // namespace velloran::testing
