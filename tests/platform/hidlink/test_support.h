#pragma once
// The HID library tests' helpers: report descriptors as boards send them and a fake hidraw tree.
#include <sys/stat.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixtures.h"
#include "common/temp_folder.h"

namespace hidlink::test {

namespace fsys = std::filesystem;
using velloran::testing::ScopedEnv;
using velloran::testing::TempFolder;
using velloran::testing::writeBytes;
using Bytes = std::vector<std::uint8_t>;

// Bytes written as hexadecimal pairs with one blank between, e.g. "05 09 A1 01".
inline Bytes hex(std::string_view text) {
    Bytes bytes((text.size() + 1) / 3);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        std::from_chars(text.data() + 3 * i, text.data() + 3 * i + 2, bytes[i], 16);
    return bytes;
}

// A button box: 32 buttons in a 4-byte report, no report ID.
inline const Bytes kButtonBox32 = hex(
    "05 01 09 04 A1 01 05 09 19 01 29 20 "  // Generic Desktop, Joystick, Application; Button 1..32
    "15 00 25 01 75 01 95 20 81 02 C0");     //   Logical 0..1, 1 bit x 32, Input; End

// A panel: 256 buttons in report 1 (33 bytes with the ID), a throttle in report 2.
inline const Bytes kPanel256 = hex(
    "05 01 09 04 A1 01 85 01 05 09 19 01 2A 00 01 "  // Joystick; report 1: Button 1..256
    "15 00 25 01 75 01 96 00 01 81 02 "              //   Logical 0..1, 1 bit x 256, Input
    "85 02 05 01 09 36 26 FF 00 75 08 95 01 81 02 C0");  // report 2: Slider 0..255, 8 bits

inline void appendFile(const fsys::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

enum class Node { File, Fifo, Missing, Directory };

// A hidraw tree as sysfs and /dev lay it out, under a scratch folder.
class FakeHidrawTree {
public:
    FakeHidrawTree() { fsys::create_directories(dir_.root() / "dev"); }

    fsys::path add(int number, const Bytes& descriptor, const std::string& name,
                   const std::string& phys, Node node = Node::File, const std::string& uniq = "") {
        const std::string hidraw = "hidraw" + std::to_string(number);
        const fsys::path device = dir_.root() / "sys/class/hidraw" / hidraw / "device";
        writeBytes(device / "report_descriptor", {descriptor.begin(), descriptor.end()});
        writeBytes(device / "uevent", "HID_ID=0003:00001D50:00006102\nHID_NAME=" + name +
                                          "\nHID_PHYS=" + phys + "\nHID_UNIQ=" + uniq + "\n");
        const fsys::path dev = dir_.root() / "dev" / hidraw;
        if (node == Node::File) writeBytes(dev, "");
        if (node == Node::Fifo) ::mkfifo(dev.c_str(), 0600);
        if (node == Node::Directory) fsys::create_directories(dev);
        return dev;
    }

private:
    TempFolder dir_;
    ScopedEnv sysfs_{"HIDLINK_SYSFS_ROOT", (dir_.root() / "sys").string()};
    ScopedEnv dev_{"HIDLINK_DEV_ROOT", (dir_.root() / "dev").string()};
};

}  // namespace hidlink::test
