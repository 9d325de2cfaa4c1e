// `runvale --dump`: the JSON document of what the reader loaded, and the exit statuses.
#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "runvale_process.h"

namespace runvale_test {
namespace {

using nlohmann::json;

json obsoleteMessage() {
    return {{"title", "File Format Error"},
            {"text", "Obsolete data found. Please resave this file."},
            {"icon", "exclamation"}};
}

const char* const kCorruptText =
    "This file is either corrupt or not in Velloran format\r\n"
    "and will be removed from the list.\r\n\r\nDelete the file?";

json dumpOf(const std::string& file, int expectedExit = 0) {
    const ProgramRun run = runRunvale({"--dump", file});
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    EXPECT_EQ(run.out.back(), '\n');
    return json::parse(run.out);  // throws, failing the test, on invalid JSON or UTF-8
}

struct VersionCase {
    const char* file;
    const char* version;
    bool obsolete;
    int state;
    std::size_t rows;
};

class DumpVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(DumpVersion, PrintsVersionStateMessagesAndInactiveRows) {
    const VersionCase& c = GetParam();
    const json d = dumpOf(fixture(c.file));
    EXPECT_EQ(d["version"], c.version);
    EXPECT_EQ(d["obsolete"], c.obsolete);
    EXPECT_EQ(d["state"], c.state);
    EXPECT_EQ(d["messages"], c.obsolete ? json::array({obsoleteMessage()}) : json::array());
    ASSERT_EQ(d["rows"].size(), c.rows);
    for (const json& row : d["rows"]) {
        EXPECT_TRUE(row["button"].is_string());
        EXPECT_TRUE(row["device_text"].is_string());
        EXPECT_TRUE(row["description"].is_string());
        EXPECT_EQ(row["active"], false);  // runvale --dump detects no device
        for (const char* macro : {"press", "release"}) {
            ASSERT_EQ(row[macro].size(), 16u) << macro;
            for (const json& step : row[macro]) {
                ASSERT_EQ(step.size(), 2u);
                EXPECT_TRUE(step[0].is_string());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DumpVersion,
                         testing::Values(VersionCase{"v1_4.vlz", "1.4", false, 0, 6},
                                         VersionCase{"v1_3.vlz", "1.3", true, 16, 3},
                                         VersionCase{"v1_2.vlz", "1.2", true, 16, 3},
                                         VersionCase{"v1_1.vlz", "1.1", true, 16, 2}));

json stepsWith(std::initializer_list<json> first, const json& rest) {
    json steps = json::array();
    for (const json& s : first) steps.push_back(s);
    while (steps.size() < 16) steps.push_back(rest);
    return steps;
}

TEST(Dump, RowOfCurrentVersionShowsEveryTagAsHeld) {
    const json d = dumpOf(fixture("v1_4.vlz"));
    const json blank = json::array({" ", " "});
    const json expected = {
        {"button", "2"},
        {"device_text", "Flight Yoke"},
        {"device_id", "{4A1B2C30-7D8E-11EF-8001-444553540000}"},
        {"repeat", true},
        {"rotary", false},
        {"multiplier", "1"},
        {"description", "Flaps down"},
        {"active", false},
        {"num_lock", false},
        {"caps_lock", false},
        {"scroll_lock", false},
        {"press", stepsWith({{"SHIFT + A", "A"}, {"A", "A"}}, blank)},
        {"release", stepsWith({{"CTRL + Z", "Z"}}, blank)},
    };
    EXPECT_EQ(d["rows"][1], expected);
    EXPECT_EQ(d["rows"][4]["num_lock"], true);
}

TEST(Dump, OlderVersionsShowTheirConvertedTags) {
    const json v13 = dumpOf(fixture("v1_3.vlz"))["rows"][2];
    EXPECT_EQ(v13["rotary"], true);
    EXPECT_EQ(v13["multiplier"], "2");
    EXPECT_EQ(v13["scroll_lock"], false);

    // The default multiplier of a 1.2 row is the number 1; steps it has no key for are empty.
    const json v12 = dumpOf(fixture("v1_2.vlz"))["rows"][0];
    EXPECT_TRUE(v12["multiplier"].is_number_integer());
    EXPECT_EQ(v12["multiplier"], 1);
    EXPECT_EQ(v12["press"][0], json::array({"SHIFT + A", "A"}));
    EXPECT_EQ(v12["press"][1], json::array({"", nullptr}));
    EXPECT_EQ(v12["release"][0], json::array({"A", "A"}));
}

TEST(Dump, WindowsTextsComeOutAsUtf8) {
    const json rows = dumpOf(fixture("cp1252_accents.vlz"))["rows"];
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["device_text"], "Lenkrad König");
    EXPECT_EQ(rows[0]["description"], "Frein à main");
    EXPECT_EQ(rows[2]["description"], "Señal €5 «ß»");
}

TEST(Dump, FailedLoadsPrintTheMessagesAndTheErrorBox) {
    const TempDir dir;
    const std::string badButton = dir.path("bad_button.vlz").string();
    std::string bytes = readBytes(fixture("v1_4.vlz"));
    bytes.replace(0, 12, "\"1.4\"\r\n\"abc\"\r\n");  // first button number "1" -> "abc"
    writeBytes(badButton, bytes);

    struct Case {
        std::string file;
        int exitCode;
        std::vector<int> errors;  // any of these numbers
        json messages;
        const char* title;
        const char* text;  // nullptr: not checked
    };
    const std::vector<Case> cases = {
        {fixture("truncated.vlz"), 2, {62}, json::array(), "File IO Error", kCorruptText},
        {fixture("not_a_config.txt"),
         2,
         {13, 62},
         json::array({obsoleteMessage()}),
         nullptr,
         nullptr},
        {badButton, 2, {13}, json::array(), "ERROR", " 13  Type mismatch in sub open_click."},
        {dir.path("missing.vlz").string(),
         3,
         {53},
         json::array(),
         "File IO Error",
         "File not found"},
        {dir.path("no_folder/x.vlz").string(), 3, {53}, json::array(), "File IO Error", nullptr},
        {fixture("v1_4.vlz") + "/x.vlz", 3, {76}, json::array(), "File IO Error", nullptr},
        {dir.path("").string(), 2, {}, json::array(), "File IO Error", nullptr},  // a folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const json d = dumpOf(c.file, c.exitCode);
        EXPECT_EQ(d.size(), 2u) << d.dump();  // "messages" and "error" only
        EXPECT_EQ(d["messages"], c.messages);
        const json& e = d["error"];
        if (!c.errors.empty()) {
            EXPECT_NE(std::find(c.errors.begin(), c.errors.end(), e["number"].get<int>()),
                      c.errors.end())
                << e.dump();
        }
        EXPECT_EQ(e["icon"], "critical");
        if (c.title) {
            EXPECT_EQ(e["title"], std::string(c.title));
        }
        if (c.text) {
            EXPECT_EQ(e["text"], std::string(c.text));
        }
    }
}

}  // namespace
}  // namespace runvale_test
