#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "hidlink/hidlink_library.h"
#include "raw_records.h"
#include "test_support.h"

namespace hidlink::test {
namespace {

class SimLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        library = velloran::HidLinkLibrary::open(HIDLINK_SIM_PATH);
        ASSERT_TRUE(library);
    }
    void TearDown() override {
        if (count > 0) library->closeDevices(count, table.data());
    }
    short detect(const std::string& script) {
        writeBytes(file, script);
        return library->detectHid(&count, table.data());
    }
    int read(int i) { return library->readInputData(table.record(i), state.data()); }
    // Reads until nothing is left and lists what came: the pressed buttons of each state, or
    // "fail" for a read failure.
    std::vector<std::string> drain(int i) {
        std::vector<std::string> seen;
        for (int status = read(i); status != HIDLINK_NO_CHANGE && seen.size() < 100;
             status = read(i)) {
            if (status != HIDLINK_NEW_DATA) {
                seen.push_back(status == HIDLINK_READ_FAILURE ? "fail"
                                                              : "status " + std::to_string(status));
                if (status != HIDLINK_READ_FAILURE) break;
                continue;
            }
            std::string pressed = "[";
            for (int b : pressedIn(state.data()))
                pressed += (pressed.size() > 1 ? " " : "") + std::to_string(b);
            seen.push_back(pressed + "]");
        }
        return seen;
    }

    TempFolder dir;
    fsys::path file = dir.root() / "boards.txt";
    ScopedEnv env{"HIDLINK_SIM_FILE", file.string()};
    std::shared_ptr<velloran::HidLinkLibrary> library;
    RecordTable table;
    short count = 0;
    std::array<unsigned char, HIDLINK_STATE_SIZE> state{};
};

TEST_F(SimLibrary, BoardLinesBecomeRecords) {
    EXPECT_EQ(detect("# a panel, a blank, one too large and three mistakes\n"
                     "board PANEL-A 32 Overhead Panel  \r\n"
                     "board EMPTY 0\n"
                     "   board   caf\xC3\xA9 600   Caf\xC3\xA9 \xE2\x82\xAC Board \xE2\x9C\x93\n"
                     "board PANEL-A 8 Duplicate\n"
                     "board BAD -1 Negative\n"
                     "bored X 4 Typo\n"),
              3);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(table.name(0), "Overhead Panel");
    EXPECT_EQ(table.buttons(1), 0) << "the program skips it, the library still lists it";
    EXPECT_EQ(table.buttons(2), 512);
    EXPECT_EQ(table.identity(2), "caf\xE9");
    EXPECT_EQ(table.name(2), "Caf\xE9 \x80 Board ?");
}

TEST_F(SimLibrary, DeliversEveryStateAppendedSinceTheLastRead) {
    ASSERT_EQ(detect("board A 16 Panel A\nboard B 4 Panel B\npress A 2\n"), 2);
    EXPECT_EQ(drain(0), (std::vector<std::string>{"[2]"})) << "held at detection";
    EXPECT_EQ(drain(1), std::vector<std::string>{});

    appendFile(file,
               "press A 7\nrelease A 7\npress B 1\nrelease A 2\npress A 2\nrelease A 99\n"
               "press A 16\npress A 17\n");
    EXPECT_EQ(drain(0), (std::vector<std::string>{"[2 7]", "[2]", "[]", "[2]", "[2 16]"}));
    EXPECT_EQ(drain(1), (std::vector<std::string>{"[1]"}));
}

// A rewritten file plays from its top; a board whose line left it is gone.
TEST_F(SimLibrary, FailuresRewritesAndUnplugging) {
    ASSERT_EQ(detect("board A 8\nboard B 8\n"), 2);
    appendFile(file, "press A 1\nfail A\nrelease A 1\npress A 3\n");
    EXPECT_EQ(drain(0), (std::vector<std::string>{"[1]", "fail", "[]", "[3]"}));

    writeBytes(file, "board A 8\npress A 5\n");
    EXPECT_EQ(drain(0), (std::vector<std::string>{"[]", "[5]"}));
    EXPECT_EQ(read(1), HIDLINK_GONE) << "its line left the file";
    EXPECT_EQ(read(0), HIDLINK_NO_CHANGE);
    fsys::remove(file);
    EXPECT_EQ(read(0), HIDLINK_GONE);
}

TEST_F(SimLibrary, NoFileNoBoards) {
    EXPECT_EQ(library->detectHid(&count, table.data()), 0);
    ScopedEnv unset("HIDLINK_SIM_FILE", std::nullopt);
    writeBytes(file, "board A 8\n");
    EXPECT_EQ(library->detectHid(&count, table.data()), 0);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace hidlink::test
