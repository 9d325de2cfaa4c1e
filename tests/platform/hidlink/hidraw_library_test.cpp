#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "descriptors.h"
#include "hidlink/hidlink_library.h"
#include "raw_records.h"
#include "test_support.h"

namespace hidlink::test {
namespace {

class HidrawLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        library = velloran::HidLinkLibrary::open(HIDLINK_PATH);
        ASSERT_TRUE(library);
    }
    void TearDown() override {
        if (count > 0) library->closeDevices(count, table.data());
    }
    short detect() { return library->detectHid(&count, table.data()); }
    int read(int i) { return library->readInputData(table.record(i), state.data()); }

    std::shared_ptr<velloran::HidLinkLibrary> library;
    RecordTable table;
    short count = 0;
    std::array<unsigned char, HIDLINK_STATE_SIZE> state{};
};

constexpr const char* kPort4 = "usb-0000:00:14.0-1.4/input0";
constexpr const char* kPort5 = "usb-0000:00:14.0-1.5/input0";

TEST_F(HidrawLibrary, DetectsBoardsWithButtonsInNodeOrder) {
    FakeHidrawTree tree;
    tree.add(10, kGamepad12, "Gamepad", "usb-0000:00:14.0-2/input0");
    tree.add(0, kButtonBox32, "Br\xC3\xA4ker Box", kPort4, Node::File, "SN01");
    tree.add(1, kVendorNoButtons, "Vendor", "usb-0000:00:14.0-3/input1");
    tree.add(2, kButtonBox32, "Unplugged", "usb-0000:00:14.0-6/input0", Node::Missing);
    tree.add(3, kPanel256, "Panel", kPort5, Node::Fifo);

    EXPECT_EQ(detect(), 3);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(table.buttons(0), 32);
    EXPECT_EQ(table.identity(0), std::string(kPort4) + ":1D50:6102:SN01");
    EXPECT_EQ(table.name(0), "Br\xE4ker Box") << "names are Windows-1252";
    EXPECT_EQ(table.buttons(1), 256);
    EXPECT_EQ(table.identity(1), std::string(kPort5) + ":1D50:6102");
    EXPECT_EQ(table.buttons(2), 12);
    EXPECT_EQ(table.name(2), "Gamepad");
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(table.identifier(i).size() - table.identity(i).size(), 5u);
        EXPECT_EQ(table.identifier(i)[table.identity(i).size()], '#');
    }

    const std::string first = table.identity(0);
    library->closeDevices(count, table.data());
    count = 0;
    ASSERT_EQ(detect(), 3);
    EXPECT_EQ(table.identity(0), first) << "the same across detections";
}

TEST_F(HidrawLibrary, QueuesEveryReportedState) {
    FakeHidrawTree tree;
    const auto box = tree.add(0, kButtonBox32, "Box", kPort4);
    const auto pad = tree.add(1, kGamepad12, "Pad", kPort5);
    ASSERT_EQ(detect(), 2);
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE);

    // A quick press and release, both before the next read, and a report that repeats a state.
    appendFile(box, std::string("\x04\x00\x00\x00", 4) + std::string("\x00\x00\x00\x00", 4) +
                        std::string("\x00\x00\x00\x00", 4));
    EXPECT_EQ(read(0), HIDLINK_NEW_DATA);
    EXPECT_EQ(pressedIn(state.data()), (std::vector<int>{3}));
    EXPECT_EQ(read(0), HIDLINK_NEW_DATA);
    EXPECT_EQ(pressedIn(state.data()), std::vector<int>{});
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE);

    // Stick movement alone brings nothing; button 5 then does.
    appendFile(pad, std::string("\x00\xFF\x7F\x7F\x7F\x0F\x00\x00", 8));
    EXPECT_EQ(read(1), HIDLINK_NO_CHANGE);
    appendFile(pad, std::string("\x00\xFF\x7F\x7F\x7F\x0F\x01\x00", 8));
    EXPECT_EQ(read(1), HIDLINK_NEW_DATA);
    EXPECT_EQ(pressedIn(state.data()), (std::vector<int>{5}));
}

TEST_F(HidrawLibrary, ReassemblesReportsFromAByteStream) {
    FakeHidrawTree tree;
    const auto fifo = tree.add(0, kPanel256, "Panel", kPort4, Node::Fifo);
    ASSERT_EQ(detect(), 1);
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    auto put = [&](const std::string& bytes) {
        ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    };

    std::string buttons(33, '\0');
    buttons[0] = 1;
    buttons[32] = '\x40';  // button 255
    put(buttons.substr(0, 20));
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE) << "half a report";
    put(buttons.substr(20) + std::string("\x02\x80", 2));
    EXPECT_EQ(read(0), HIDLINK_NEW_DATA);
    EXPECT_EQ(pressedIn(state.data()), (std::vector<int>{255}));
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE) << "the throttle report changes no button";
    ::close(writer);
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE) << "no writer is no news";
}

TEST_F(HidrawLibrary, StatusesForUnreadableAndStaleRecords) {
    FakeHidrawTree tree;
    tree.add(0, kButtonBox32, "Box", kPort4, Node::Directory);
    ASSERT_EQ(detect(), 1);
    EXPECT_EQ(read(0), HIDLINK_READ_FAILURE);

    std::vector<unsigned char> copy(table.record(0), table.record(0) + HIDLINK_RECORD_SIZE);
    library->closeDevices(count, table.data());
    count = 0;
    EXPECT_EQ(library->readInputData(copy.data(), state.data()), HIDLINK_GONE);
    EXPECT_EQ(library->readInputData(table.record(0), state.data()), HIDLINK_GONE);
}

TEST_F(HidrawLibrary, NothingFoundWithoutHidrawOrWithOtherFlags) {
    TempFolder empty;
    {
        ScopedEnv sysfs("HIDLINK_SYSFS_ROOT", empty.root().string());
        EXPECT_EQ(detect(), 0);
        EXPECT_EQ(count, 0);
    }
    FakeHidrawTree tree;
    tree.add(0, kButtonBox32, "Box", kPort4);
    using DetectFn = short (*)(short*, void*, int);
    void* handle = dlopen(HIDLINK_PATH, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_TRUE(handle);
    const auto detectHid = reinterpret_cast<DetectFn>(dlsym(handle, "DetectHID"));
    short found = -1;
    EXPECT_EQ(detectHid(&found, table.data(), 0), 0);
    EXPECT_EQ(found, 0);
    dlclose(handle);
}

}  // namespace
}  // namespace hidlink::test
