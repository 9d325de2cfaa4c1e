#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "descriptors.h"
#include "hidlink/hid_backend.h"
#include "hidlink/hidlink_library.h"
#include "test_support.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;
using hidlink::test::appendFile;
using hidlink::test::ScopedEnv;
using hidlink::test::TempFolder;
using hidlink::test::writeBytes;

TEST(HidLinkCandidates, OnlyTheProgramsOwnFolders) {
    EXPECT_EQ(hidLinkCandidates("/opt/vl/bin/velloran", "", "lib/x86_64-linux-gnu/velloran"),
              (std::vector<std::string>{"/opt/vl/bin/libhidlink.so",
                                        "/opt/vl/lib/x86_64-linux-gnu/velloran/libhidlink.so",
                                        "/opt/vl/lib/libhidlink.so"}));
    EXPECT_EQ(hidLinkCandidates("/opt/vl/bin/velloran", "/x/libhidlink-sim.so", "lib"),
              (std::vector<std::string>{"/x/libhidlink-sim.so"}));
    EXPECT_EQ(hidLinkCandidates("", "", "lib"), std::vector<std::string>{});

    const auto relative = hidLinkCandidates("/opt/vl/bin/velloran", "libhidlink-sim.so", "lib");
    ASSERT_EQ(relative.size(), 1u);
    EXPECT_EQ(relative[0].front(), '/') << "a bare name would send dlopen searching";
}

TEST(HidLinkLibraryOpen, RefusesWhatIsNotTheLibrary) {
    TempFolder dir;
    writeBytes(dir.root() / "libhidlink.so", "not a library");
    EXPECT_FALSE(HidLinkLibrary::open((dir.root() / "libhidlink.so").string()));
    EXPECT_FALSE(HidLinkLibrary::open("libhidlink-sim.so")) << "relative names are not searched";
    EXPECT_FALSE(HidLinkLibrary::open("libc.so.6")) << "nor system libraries";
}

TEST(HidBackendLoading, NoLibraryMeansNoDevices) {
    ScopedEnv lib("VELLORAN_HIDLINK", "/nonexistent/libhidlink.so");
    EXPECT_FALSE(loadHidLink());
    EXPECT_TRUE(makeHidBackend()->detect().empty());
    EXPECT_TRUE(HidBackend(nullptr).detect().empty());
}

TEST(HidBackendLoading, FindsTheBuiltLibraryBesideTheProgram) {
    // Test programs live in the build's bin/, the libraries in lib/ beside it.
    ScopedEnv lib("VELLORAN_HIDLINK", std::nullopt);
    hidlink::test::FakeHidrawTree tree;
    tree.add(0, hidlink::test::kButtonBox32, "Box", "usb-1/input0");
    const auto devices = makeHidBackend()->detect();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0]->info().identity, "usb-1/input0:1D50:6102");
    EXPECT_EQ(devices[0]->info().buttonCount, 32);
}

class HidBackendOverSimulator : public ::testing::Test {
protected:
    TempFolder dir;
    fsys::path file = dir.root() / "boards.txt";
    ScopedEnv lib{"VELLORAN_HIDLINK", HIDLINK_SIM_PATH};
    ScopedEnv sim{"HIDLINK_SIM_FILE", file.string()};
};

// The backend may go first: the devices keep the library loaded.
TEST_F(HidBackendOverSimulator, DevicesFromTheRecordsReadAllChangesInOrder) {
    auto backend = makeHidBackend();
    writeBytes(file, "board BLANK 0 No buttons\nboard A 32 Panel A\nboard B 4\npress A 4\n");
    const auto devices = backend->detect();
    backend.reset();
    ASSERT_EQ(devices.size(), 2u);
    const DetectedDevice& info = devices[0]->info();
    EXPECT_EQ(info.kind, DeviceKind::Hid);
    EXPECT_EQ(info.identity, "A");
    EXPECT_EQ(info.displayName, "Panel A");
    EXPECT_EQ(info.buttonCount, 32);
    EXPECT_EQ(info.hidIndex, 1) << "the blank board keeps record 0";
    EXPECT_EQ(devices[1]->info().hidIndex, 2);

    InputDevice& a = *devices[0];
    std::vector<ButtonChange> changes;
    EXPECT_EQ(a.read(changes), ReadStatus::NewData);
    EXPECT_EQ(changes, (std::vector<ButtonChange>{{4, true}}));
    changes.clear();
    EXPECT_EQ(a.read(changes), ReadStatus::NoChange);
    appendFile(file, "press A 9\nrelease A 9\nrelease A 4\npress A 32\n");
    EXPECT_EQ(a.read(changes), ReadStatus::NewData);
    EXPECT_EQ(changes, (std::vector<ButtonChange>{{9, true}, {9, false}, {4, false}, {32, true}}));
    EXPECT_FALSE(a.pressed(4));
    EXPECT_TRUE(a.pressed(32));
    EXPECT_FALSE(a.pressed(33));
}

TEST_F(HidBackendOverSimulator, FailureAndGone) {
    writeBytes(file, "board A 8\nboard B 8\n");
    auto devices = makeHidBackend()->detect();
    ASSERT_EQ(devices.size(), 2u);
    std::vector<ButtonChange> changes;
    appendFile(file, "fail A\npress A 1\n");
    EXPECT_EQ(devices[0]->read(changes), ReadStatus::ReadFailure);
    EXPECT_EQ(devices[0]->read(changes), ReadStatus::NewData) << "the board recovers";
    EXPECT_EQ(changes, (std::vector<ButtonChange>{{1, true}}));

    writeBytes(file, "board A 8\npress A 1\n");
    EXPECT_EQ(devices[1]->read(changes), ReadStatus::Gone);
}

}  // namespace
}  // namespace velloran
