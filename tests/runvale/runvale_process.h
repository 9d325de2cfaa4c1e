#pragma once
// Runs the built runvale binary and captures what it prints, for the CLI tests.
#include <filesystem>
#include <string>
#include <vector>

namespace runvale_test {

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProgramRun runRunvale(const std::vector<std::string>& args);

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path path(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path dir_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// A fixture of tests/data.
std::string fixture(const std::string& name);

}  // namespace runvale_test
