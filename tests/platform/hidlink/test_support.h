#pragma once
// The HID library tests' helpers: report descriptors as boards send them and a fake hidraw tree.
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
using Bytes = std::vector<std::uint8_t>;

// A button box: 32 buttons in a 4-byte report, no report ID.
inline const Bytes kButtonBox32 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01,                    // Generic Desktop, Joystick, Application
    0x05, 0x09, 0x19, 0x01, 0x29, 0x20, 0x15, 0x00, 0x25,  //   Button 1..32, Logical 0..1,
    0x01, 0x75, 0x01, 0x95, 0x20, 0x81, 0x02, 0xC0,        //   1 bit x 32, Input; End
};

// A gamepad: five 8-bit axes, a 4-bit hat, 12 buttons (button 1 is bit 44) and 8 vendor bits in
// an 8-byte input report, and an output report.
inline const Bytes kGamepad12 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0xA1, 0x02,                    // Joystick; Logical
    0x75, 0x08, 0x95, 0x05, 0x15, 0x00, 0x26, 0xFF, 0x00,              //   8 bits x 5, 0..255
    0x09, 0x30, 0x09, 0x31, 0x09, 0x32, 0x09, 0x32, 0x09, 0x35, 0x81, 0x02,  // X Y Z Z Rz Input
    0x75, 0x04, 0x95, 0x01, 0x25, 0x07, 0x09, 0x39, 0x81, 0x42,        //   hat, Input (Null)
    0x75, 0x01, 0x95, 0x0C, 0x25, 0x01, 0x05, 0x09, 0x19, 0x01,        //   1 bit x 12, Button
    0x29, 0x0C, 0x81, 0x02, 0x06, 0x00, 0xFF, 0x95, 0x08, 0x09, 0x01,  //   1..12; vendor page,
    0x81, 0x02, 0xC0, 0xA1, 0x02, 0x75, 0x08, 0x95, 0x07, 0x09, 0x02,  //   x 8; End; 8 bits x 7
    0x91, 0x02, 0xC0, 0xC0,                                            //   Output; End; End
};

// A panel: 256 buttons in report 1 (33 bytes with the ID), a throttle in report 2.
inline const Bytes kPanel256 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01,                    // Joystick; Report ID 1
    0x05, 0x09, 0x19, 0x01, 0x2A, 0x00, 0x01, 0x15, 0x00, 0x25, 0x01,  //   Button 1..256, 0..1
    0x75, 0x01, 0x96, 0x00, 0x01, 0x81, 0x02,                          //   1 bit x 256, Input
    0x85, 0x02, 0x05, 0x01, 0x09, 0x36, 0x26, 0xFF, 0x00,              //   Report ID 2: Slider
    0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0,                          //   8 bits x 1, Input
};

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
