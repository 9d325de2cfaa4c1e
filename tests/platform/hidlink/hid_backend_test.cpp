// Both HID libraries as the program loads and reads them: the real one over a fake hidraw tree,
// the simulator over its file.
#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "hidlink/hid_backend.h"
#include "hidlink/hidlink_library.h"
#include "test_support.h"

namespace velloran {
namespace {

using namespace hidlink::test;
using Changes = std::vector<ButtonChange>;
using Devices = std::vector<std::unique_ptr<InputDevice>>;
using Read = std::pair<ReadStatus, Changes>;

constexpr const char* kPort4 = "usb-0000:00:14.0-1.4/input0";
constexpr const char* kPort5 = "usb-0000:00:14.0-1.5/input0";

class HidBoards : public ::testing::Test {
protected:
    // The back end is gone once it has detected: the devices keep the library loaded.
    static Devices detect(const std::optional<std::string>& library = std::nullopt) {
        const ScopedEnv env("VELLORAN_HIDLINK", library);
        return makeHidBackend()->detect();
    }
    static Read read(InputDevice& device) {
        Read r;
        r.first = device.read(r.second);
        return r;
    }

    TempFolder dir;
    fsys::path file = dir.root() / "boards.txt";
    ScopedEnv sim{"HIDLINK_SIM_FILE", file.string()};
};

TEST_F(HidBoards, LoadsOnlyFromTheProgramsOwnFolders) {
    using Paths = std::vector<std::string>;
    EXPECT_EQ(hidLinkCandidates("/opt/vl/bin/velloran", "", "lib/x86_64-linux-gnu/velloran"),
              (Paths{"/opt/vl/bin/libhidlink.so",
                     "/opt/vl/lib/x86_64-linux-gnu/velloran/libhidlink.so",
                     "/opt/vl/lib/libhidlink.so"}));
    EXPECT_EQ(hidLinkCandidates("/opt/vl/bin/velloran", "/x/libhidlink-sim.so", "lib"),
              (Paths{"/x/libhidlink-sim.so"}));
    EXPECT_EQ(hidLinkCandidates("", "", "lib"), Paths{});
    const auto relative = hidLinkCandidates("/opt/vl/bin/velloran", "libhidlink-sim.so", "lib");
    EXPECT_TRUE(relative.size() == 1 && relative[0].front() == '/') << "dlopen would search";

    Dl_info libc{};
    ASSERT_TRUE(dladdr(reinterpret_cast<void*>(&::getpid), &libc));
    EXPECT_FALSE(HidLinkLibrary::open(libc.dli_fname)) << "a library without the functions";
    EXPECT_FALSE(HidLinkLibrary::open(fsys::relative(HIDLINK_SIM_PATH).string())) << "relative";
    EXPECT_TRUE(detect("/nonexistent/libhidlink.so").empty());
}

// Test programs live in the build's bin/, the libraries in lib/ beside it.
TEST_F(HidBoards, HidrawBoardsWithButtonsInNodeOrder) {
    FakeHidrawTree tree;
    tree.add(10, kButtonBox32, "Last", "usb-0000:00:14.0-2/input0");
    tree.add(0, kButtonBox32, "Br\xC3\xA4ker \xE2\x82\xAC", kPort4, Node::File, "SN01");
    tree.add(1, {}, "Vendor", "usb-0000:00:14.0-3/input1");
    tree.add(2, kButtonBox32, "Unplugged", "usb-0000:00:14.0-6/input0", Node::Missing);
    tree.add(3, kPanel256, "Panel", kPort5, Node::Fifo);

    const auto devices = detect();
    ASSERT_EQ(devices.size(), 3u);
    const DetectedDevice& box = devices[0]->info();
    EXPECT_EQ(std::tie(box.kind, box.identity, box.displayName, box.buttonCount),
              std::make_tuple(DeviceKind::Hid, std::string(kPort4) + ":1D50:6102:SN01",
                              "Br\xC3\xA4ker \xE2\x82\xAC", 32));
    EXPECT_EQ(devices[1]->info().identity, std::string(kPort5) + ":1D50:6102");
    EXPECT_EQ(devices[1]->info().buttonCount, 256);
    const DetectedDevice& last = devices[2]->info();
    EXPECT_EQ(std::tie(last.displayName, last.hidIndex), std::make_tuple("Last", 2));
    const auto openFiles = [] {
        return std::distance(fsys::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openFiles();
    EXPECT_EQ(detect()[0]->info().identity, box.identity) << "the same across detections";
    EXPECT_EQ(openFiles(), before) << "the boards of a detection close with its devices";
}

TEST_F(HidBoards, HidrawQueuesReportsAndCutsAByteStream) {
    FakeHidrawTree tree;
    const auto box = tree.add(0, kButtonBox32, "Box", kPort4);
    const auto fifo = tree.add(1, kPanel256, "Panel", kPort5, Node::Fifo);
    tree.add(2, kButtonBox32, "Unreadable", "usb-2/input0", Node::Directory);
    const auto devices = detect();
    ASSERT_EQ(devices.size(), 3u);

    // A quick press and release between two reads, then a report that repeats a state.
    appendFile(box, std::string("\x04\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(read(*devices[0]), (Read{ReadStatus::NewData, {{3, true}, {3, false}}}));
    appendFile(box, std::string(4, '\0'));
    EXPECT_EQ(read(*devices[0]).first, ReadStatus::NoChange);

    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    // Report 1 with button 255 pressed, then a throttle report.
    const std::string stream = "\x01" + std::string(31, '\0') + "\x40\x02\x80";
    ASSERT_EQ(::write(writer, stream.data(), 20), 20);
    EXPECT_EQ(read(*devices[1]).first, ReadStatus::NoChange) << "half a report";
    ASSERT_EQ(::write(writer, stream.data() + 20, 15), 15);
    EXPECT_EQ(read(*devices[1]), (Read{ReadStatus::NewData, {{255, true}}}));
    ::close(writer);
    EXPECT_EQ(read(*devices[1]).first, ReadStatus::NoChange) << "no writer is no news";
    EXPECT_EQ(read(*devices[2]).first, ReadStatus::ReadFailure);
}

// Board lines with a blank board, one too large and three mistakes; then events appended, a
// rewritten file that plays from its top, and a board whose line left it.
TEST_F(HidBoards, SimulatorBoardsFromTheFile) {
    writeBytes(file,
               "board A 16 Overhead Panel  \r\n"
               "board EMPTY 0\nboard BAD -1 Negative\n"
               "   board   caf\xC3\xA9 600   Caf\xC3\xA9 \xE2\x82\xAC Board \xE2\x9C\x93\n"
               "board A 8 Duplicate\nbored X 4 Typo\npress A 2\n");
    const auto devices = detect(HIDLINK_SIM_PATH);
    ASSERT_EQ(devices.size(), 2u);
    const DetectedDevice& panel = devices[0]->info();
    EXPECT_EQ(std::tie(panel.identity, panel.displayName, panel.buttonCount, panel.hidIndex),
              std::make_tuple("A", "Overhead Panel", 16, 0));
    const DetectedDevice& cafe = devices[1]->info();
    EXPECT_EQ(std::tie(cafe.identity, cafe.displayName, cafe.buttonCount, cafe.hidIndex),
              std::make_tuple("caf\xC3\xA9", "Caf\xC3\xA9 \xE2\x82\xAC Board ?", 512, 2))
        << "the library lists the blank board, the program skips it";

    InputDevice& a = *devices[0];
    EXPECT_EQ(read(a), (Read{ReadStatus::NewData, {{2, true}}})) << "held at detection";
    appendFile(file,
               "press A 7\nrelease A 7\npress caf\xC3\xA9 1\nrelease A 2\npress A 2\n"
               "release A 99\npress A 16\nfail A\nrelease A 2\n");
    EXPECT_EQ(read(a), (Read{ReadStatus::ReadFailure,
                             {{7, true}, {7, false}, {2, false}, {2, true}, {16, true}}}));
    EXPECT_EQ(read(a), (Read{ReadStatus::NewData, {{2, false}}}));
    appendFile(file, "press A 17\n");
    EXPECT_EQ(read(a).first, ReadStatus::NoChange) << "not one of its buttons";
    EXPECT_EQ(read(*devices[1]), (Read{ReadStatus::NewData, {{1, true}}}));

    writeBytes(file, "board A 8\npress A 5\n");
    EXPECT_EQ(read(a), (Read{ReadStatus::NewData, {{16, false}, {5, true}}}));
    EXPECT_EQ(read(*devices[1]).first, ReadStatus::Gone);
    fsys::remove(file);
    EXPECT_EQ(read(a).first, ReadStatus::Gone);
}

}  // namespace
}  // namespace velloran
