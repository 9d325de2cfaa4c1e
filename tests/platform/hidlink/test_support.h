#pragma once
// Helpers for the HID library tests: a scratch folder, environment variables set for one test,
// and the built libraries.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace hidlink::test {

namespace fsys = std::filesystem;

class ScratchDir {
public:
    ScratchDir() {
        std::string tmpl = (fsys::temp_directory_path() / "hidlink-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~ScratchDir() {
        std::error_code ec;
        fsys::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const fsys::path& path() const { return path_; }

private:
    fsys::path path_;
};

// Sets a variable (or removes it, for nothing) until the end of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

inline void writeFile(const fsys::path& path, const std::string& bytes,
                      std::ios::openmode mode = std::ios::trunc) {
    fsys::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::out | mode) << bytes;
}

inline void appendFile(const fsys::path& path, const std::string& bytes) {
    writeFile(path, bytes, std::ios::app);
}

inline std::string bytesOf(const std::vector<std::uint8_t>& v) {
    return {v.begin(), v.end()};
}

}  // namespace hidlink::test
