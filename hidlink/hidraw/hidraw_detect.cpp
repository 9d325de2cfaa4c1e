// The boards of the real library: every hidraw node whose report descriptor has buttons.
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "board.h"
#include "hidraw_board.h"
#include "hidraw_node.h"
#include "report_descriptor.h"

namespace hidlink {

namespace {

// What sysfs did not say, asked from the device itself.
void completeFromDevice(int fd, HidrawNode& node) {
    if (node.descriptor.empty()) {
        int size = 0;
        hidraw_report_descriptor rd{};
        if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 &&
            size <= HID_MAX_DESCRIPTOR_SIZE) {
            rd.size = static_cast<__u32>(size);
            if (ioctl(fd, HIDIOCGRDESC, &rd) == 0)
                node.descriptor.assign(rd.value, rd.value + size);
        }
    }
    char text[256] = {};
    if (node.name.empty() && ioctl(fd, HIDIOCGRAWNAME(sizeof text - 1), text) > 0) node.name = text;
    text[0] = '\0';
    if (node.phys.empty() && ioctl(fd, HIDIOCGRAWPHYS(sizeof text - 1), text) > 0) node.phys = text;
    hidraw_devinfo info{};
    if (node.vendor == 0 && ioctl(fd, HIDIOCGRAWINFO, &info) == 0) {
        node.vendor = static_cast<unsigned>(info.vendor) & 0xFFFF;
        node.product = static_cast<unsigned>(info.product) & 0xFFFF;
    }
}

}  // namespace

std::vector<std::unique_ptr<Board>> detectBoards() {
    std::vector<std::unique_ptr<Board>> boards;
    for (auto& node : scanHidrawNodes()) {
        // A node the user may not open is left out: it could never be read.
        const int fd = ::open(node.devicePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        const bool stream = fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode);
        if (!stream) completeFromDevice(fd, node);
        auto layout = parseReportDescriptor(node.descriptor);
        if (!layout || layout->buttonCount == 0) {
            ::close(fd);
            continue;
        }
        boards.push_back(
            std::make_unique<HidrawBoard>(std::move(node), std::move(*layout), fd, stream));
    }
    return boards;
}

}  // namespace hidlink
