// One runvale per configuration file: a second start on a file that plays hands over to the
// first one, which reloads the file.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <fstream>

#include "file_format/configuration_file.h"
#include "common/rows.h"
#include "runvale_process.h"

namespace runvale_test {
namespace {

using velloran::testing::key;
using velloran::testing::row;

TEST(SingleRun, ASecondRunvaleOnAPlayingFileMakesItReloadAndEnds) {
#ifndef HIDLINK_SIM_LIBRARY
    GTEST_SKIP() << "the simulated HID library is not built";
#else
    const TempFolder dir;
    std::filesystem::create_directories(dir.path("runtime"));
    const std::string file = dir.path("Day One.vlz").string();
    writeBytes(file, velloran::serializeConfiguration({row("CLI-BOARD", 1, {key("A")})}));
    writeBytes(dir.path("boards.txt"), "board CLI-BOARD 4 Cli Board\n");
    const Env env = {
        {"VELLORAN_SETTINGS", dir.path("velloran.ini").string()},
        {"VELLORAN_HIDLINK", HIDLINK_SIM_LIBRARY},
        {"HIDLINK_SIM_FILE", dir.path("boards.txt").string()},
        {"SDL_VIDEODRIVER", "dummy"},
        {"XDG_RUNTIME_DIR", dir.path("runtime").string()}};

    Runvale first({"--output=record", file}, env);
    ASSERT_TRUE(first.waitForErr("Playing Day One.vlz")) << first.err();
    // Another name of the same file counts as the same file.
    Runvale second({"--output=record", dir.path("./Day One.vlz").string()}, env);
    EXPECT_EQ(second.waitExit(), 0) << second.err();
    EXPECT_NE(second.err().find("Day One.vlz is playing already"), std::string::npos)
        << second.err();
    ASSERT_TRUE(first.waitForErr("Reloaded Day One.vlz")) << first.err();

    std::ofstream(dir.path("boards.txt"), std::ios::app) << "press CLI-BOARD 1\n";
    ASSERT_TRUE(first.waitForErr("record: +1e")) << first.err();
    first.signal(SIGTERM);
    EXPECT_EQ(first.waitExit(), 0);
    const std::string sent = first.err() + second.err();
    EXPECT_EQ(sent.find("record: +1e"), sent.rfind("record: +1e")) << sent;  // sent once
#endif
}

}  // namespace
}  // namespace runvale_test
