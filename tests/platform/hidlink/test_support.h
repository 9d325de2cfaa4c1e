#pragma once
// The HID library tests' own helpers beside the common ones: bytes appended to a file, a report
// descriptor as bytes, a fake hidraw tree.
#include <sys/stat.h>

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

enum class Node { File, Fifo, Missing, Directory };

// A hidraw tree as sysfs and /dev lay it out, under a scratch folder.
class FakeHidrawTree {
public:
    FakeHidrawTree()
        : sysfs_("HIDLINK_SYSFS_ROOT", (dir_.root() / "sys").string()),
          dev_("HIDLINK_DEV_ROOT", (dir_.root() / "dev").string()) {
        fsys::create_directories(dir_.root() / "dev");
    }

    fsys::path add(int number, const std::vector<std::uint8_t>& descriptor, const std::string& name,
                   const std::string& phys, Node node = Node::File, const std::string& uniq = "") {
        const std::string hidraw = "hidraw" + std::to_string(number);
        const fsys::path device = dir_.root() / "sys" / "class" / "hidraw" / hidraw / "device";
        writeBytes(device / "report_descriptor", bytesOf(descriptor));
        writeBytes(device / "uevent",
                   "DRIVER=hid-generic\nHID_ID=0003:00001D50:00006102\nHID_NAME=" + name +
                       "\nHID_PHYS=" + phys + "\nHID_UNIQ=" + uniq +
                       "\nMODALIAS=hid:b0003g0001v00001D50p00006102\n");
        const fsys::path dev = dir_.root() / "dev" / hidraw;
        if (node == Node::File) writeBytes(dev, "");
        if (node == Node::Fifo) ::mkfifo(dev.c_str(), 0600);
        if (node == Node::Directory) fsys::create_directories(dev);
        return dev;
    }

private:
    TempFolder dir_;
    ScopedEnv sysfs_;
    ScopedEnv dev_;
};

}  // namespace hidlink::test
