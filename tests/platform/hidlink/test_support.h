#pragma once
// The HID library tests' own helpers beside the common ones: bytes appended to a file, a report
// descriptor as bytes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/fixtures.h"
#include "common/temp_folder.h"

namespace hidlink::test {

namespace fsys = std::filesystem;
using velloran::testing::ScopedEnv;
using velloran::testing::TempFolder;
using velloran::testing::writeBytes;

inline void appendFile(const fsys::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

inline std::string bytesOf(const std::vector<std::uint8_t>& v) {
    return {v.begin(), v.end()};
}

}  // namespace hidlink::test
