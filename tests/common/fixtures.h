#pragma once
// Whole files as bytes, and the fixture files of tests/data.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace velloran::testing {

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::filesystem::path fixturePath(const std::string& name) {
    return std::filesystem::path(VELLORAN_TEST_DATA) / name;
}

inline std::string readFixture(const std::string& name) {
    return readBytes(fixturePath(name));
}

}  // namespace velloran::testing
