// `runvale --dump`: the JSON document of what the reader loaded, and the exit statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "runvale_process.h"

namespace runvale_test {
namespace {

using nlohmann::json;

json dumpOf(const std::string& file, int expectedExit = 0) {
    const ProgramRun run = runRunvale({"--dump", file});
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    return json::parse(run.out);  // throws, failing the test, on invalid JSON or UTF-8
}

TEST(Dump, ACurrentFileShowsItsRowsWithEveryTag) {
    const json d = dumpOf(fixture("v1_4.vlz"));
    EXPECT_EQ(d["version"], "1.4");
    EXPECT_EQ(d["obsolete"], false);
    EXPECT_EQ(d["state"], 0);
    EXPECT_EQ(d["messages"], json::array());
    ASSERT_EQ(d["rows"].size(), 6u);
    const json& row = d["rows"][1];
    EXPECT_EQ(row["button"], "2");
    EXPECT_EQ(row["device_id"], "{4A1B2C30-7D8E-11EF-8001-444553540000}");
    EXPECT_EQ(row["repeat"], true);
    EXPECT_EQ(row["multiplier"], "1");
    EXPECT_EQ(row["active"], false);  // runvale --dump detects no device
    EXPECT_EQ(row["num_lock"], false);
    ASSERT_EQ(row["press"].size(), 16u);
    EXPECT_EQ(row["press"][0], json::array({"SHIFT + A", "A"}));
    EXPECT_EQ(row["release"][15], json::array({" ", " "}));
}

TEST(Dump, AnObsoleteFileCarriesItsMessageAndWindowsTextsComeOutAsUtf8) {
    const json old = dumpOf(fixture("v1_2.vlz"));
    EXPECT_EQ(old["state"], 16);
    EXPECT_EQ(old["messages"],
              json::array({{{"title", "File Format Error"},
                            {"text", "Obsolete data found. Please resave this file."},
                            {"icon", "exclamation"}}}));
    EXPECT_EQ(old["rows"][0]["multiplier"], 1);  // a number, as the old file holds it
    EXPECT_EQ(old["rows"][0]["press"][1], json::array({"", nullptr}));
    EXPECT_EQ(dumpOf(fixture("cp1252_accents.vlz"))["rows"][2]["description"], "Señal €5 «ß»");
}

TEST(Dump, FailedLoadsPrintTheErrorBoxWithStatusTwoOrThree) {
    const TempFolder dir;
    struct Case {
        std::string file;
        int exitCode;
        int error;
        const char* text;
    };
    const Case cases[] = {
        {fixture("truncated.vlz"), 2, 62,
         "This file is either corrupt or not in Velloran format\r\nand will be removed from the "
         "list.\r\n\r\nDelete the file?"},
        {dir.path("missing.vlz").string(), 3, 53, "File not found"},
        {fixture("v1_4.vlz") + "/x.vlz", 3, 76, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const json d = dumpOf(c.file, c.exitCode);
        EXPECT_EQ(d.size(), 2u) << d.dump();  // "messages" and "error" only
        EXPECT_EQ(d["error"]["number"], c.error);
        EXPECT_EQ(d["error"]["icon"], "critical");
        EXPECT_EQ(d["error"]["title"], "File IO Error");
        if (c.text) {
            EXPECT_EQ(d["error"]["text"], c.text);
        }
    }
}

}  // namespace
}  // namespace runvale_test
